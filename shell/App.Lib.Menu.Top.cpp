#include "App.Lib.Menu.Top.h"

#include "App.Lib.Theme.h"
#include "Label.h"
#include "Layouts.h"
#include "MultiView.h"
#include "Shapes.h"

// One top button's hide handler in the side menu's chain. It outlives its button: a button freed
// while others installed their handlers over it leaves its link in the chain, passing on.
struct TButtonTopMenu::THiddenLink
{
    QPointer<TMultiView> Menu;
    TNotifyEvent Previous;
};

// The handler installed in the side menu; a named type so that a button can tell its own in the
// chain.
struct TButtonTopMenu::THiddenHandler
{
    std::shared_ptr<THiddenLink> Link;
    void operator()(QObject *Sender) const;
};

namespace {

const TColorApp &topMenuColors()
{
    return TThemeApp::Instance().ColorApp();
}

} // namespace

TButtonTopMenu::TButtonTopMenu()
{
    const TThemeApp &theme = TThemeApp::Instance();

    m_layout = new TLayout(nullptr, QStringLiteral("LayoutButtonTopMenu"));
    m_layout->setAlign(TAlignLayout::Left);
    m_layout->setSize(100, 60);

    m_rectangle = new TRectangle(m_layout, QStringLiteral("RectangleButtonTopMenu"));
    m_rectangle->setAlign(TAlignLayout::Contents);
    m_rectangle->setFillColor(theme.ColorApp().PrimaryColor);
    m_rectangle->setStrokeColor(TAlphaColors::Null);
    m_rectangle->setStrokeThickness(0);

    m_label = new TLabel(m_rectangle, QStringLiteral("LabelButtonTopMenu"));
    m_label->setAlign(TAlignLayout::Client);
    m_label->setMargins(0, 0, 0, 3);
    m_label->setTextFont(theme.FontApp().Menu());
    m_label->setFontColor(theme.ColorApp().QuartenaryColor);
    m_label->setHorzAlign(TTextAlign::Center);
    m_label->setVertAlign(TTextAlign::Trailing);

    m_layoutButtonSubMenu = new TLayout(nullptr, QStringLiteral("LayoutButtonSubMenu"));
    m_layoutButtonSubMenu->setAlign(TAlignLayout::Client);

    m_rectangleLayoutButtonSubMenu
        = new TRectangle(m_layoutButtonSubMenu, QStringLiteral("RectangleLayoutButtonSubMenu"));
    m_rectangleLayoutButtonSubMenu->setAlign(TAlignLayout::Client);
    m_rectangleLayoutButtonSubMenu->setFillColor(theme.ColorApp().PrimaryColor);
    m_rectangleLayoutButtonSubMenu->setStrokeColor(TAlphaColors::Null);

    m_labelTopMenu = new TLabel(m_rectangleLayoutButtonSubMenu, QStringLiteral("LabelTopMenu"));
    m_labelTopMenu->setAlign(TAlignLayout::Top);
    m_labelTopMenu->setHeight(40);
    m_labelTopMenu->setFontSize(14);
    m_labelTopMenu->setFontBold(true);
    m_labelTopMenu->setFontColor(theme.ColorApp().SecondaryColor);
    m_labelTopMenu->setHorzAlign(TTextAlign::Center);
    m_labelTopMenu->setVertAlign(TTextAlign::Center);

    LinkRectangle([this] { click(); });
}

TButtonTopMenu::~TButtonTopMenu()
{
    m_subMenu.clear();
    delete m_labelTopMenu.data();
    delete m_rectangleLayoutButtonSubMenu.data();
    delete m_layoutButtonSubMenu.data();
    if (TMultiView *menu = m_multiViewMenu.data()) {
        // Only the last handler installed can be taken out; an earlier one stays as a link that
        // passes on, so the handlers installed over it keep working.
        const auto *current = menu->OnHidden.target<THiddenHandler>();
        if (current && current->Link == m_hiddenLink)
            menu->OnHidden = m_hiddenLink->Previous;
        if (menu->TagObject == this)
            menu->TagObject = nullptr;
    }
    // Placed, the top-bar controls go with their parent; never placed, nothing else frees them.
    if (m_layout && !m_layout->parentWidget())
        delete m_layout.data();
}

void TButtonTopMenu::SetText(const QString &AText)
{
    TButtonStrip::SetText(AText.toUpper());
}

void TButtonTopMenu::SetMultiViewMenu(TMultiView *AValue)
{
    m_multiViewMenu = AValue;
    if (!AValue)
        return;
    m_hiddenLink = std::make_shared<THiddenLink>(THiddenLink { AValue, AValue->OnHidden });
    AValue->OnHidden = THiddenHandler { m_hiddenLink };
}

void TButtonTopMenu::click()
{
    TMultiView *menu = m_multiViewMenu.data();
    if (!menu || !m_layoutButtonSubMenu)
        return;
    // The side menu shows one top menu at a time: another one it still shows gives its place.
    auto *shown = qobject_cast<TButtonTopMenu *>(menu->TagObject.data());
    if (shown && shown != this)
        shown->releaseSideMenu();
    SetParentControl(m_layoutButtonSubMenu, menu);
    m_layoutButtonSubMenu->raise();
    if (!m_isMountedSubMenu) {
        if (m_labelTopMenu)
            m_labelTopMenu->setText(Text().toUpper());
        for (const auto &item : m_subMenu)
            item->SetParent(m_rectangleLayoutButtonSubMenu);
        m_isMountedSubMenu = true;
    }
    menu->TagObject = this;
    menu->showMaster();
}

void TButtonTopMenu::pointerEnter()
{
    if (m_rectangle)
        m_rectangle->setFillColor(topMenuColors().SecondaryColor);
    if (m_label)
        m_label->setFontColor(topMenuColors().PrimaryColor);
}

void TButtonTopMenu::pointerLeave()
{
    // The button of the open side menu keeps its highlight.
    if (m_multiViewMenu && m_multiViewMenu->isShowed())
        return;
    if (m_label)
        m_label->setFontColor(topMenuColors().QuartenaryColor);
    if (m_rectangle)
        m_rectangle->setFillColor(topMenuColors().PrimaryColor);
}

void TButtonTopMenu::releaseSideMenu()
{
    if (m_layoutButtonSubMenu)
        SetParentControl(m_layoutButtonSubMenu, nullptr);
    if (m_label)
        m_label->setFontColor(topMenuColors().QuartenaryColor);
    if (m_rectangle)
        m_rectangle->setFillColor(topMenuColors().PrimaryColor);
}

void TButtonTopMenu::multiViewHidden(TMultiView *AMenu)
{
    if (auto *button = qobject_cast<TButtonTopMenu *>(AMenu->TagObject.data())) {
        button->releaseSideMenu();
        AMenu->TagObject = nullptr;
    }
}

void TButtonTopMenu::THiddenHandler::operator()(QObject *Sender) const
{
    // Copied first: a handler further down may replace the side menu's chain, and this object
    // with it.
    const std::shared_ptr<THiddenLink> link = Link;
    if (link->Menu)
        multiViewHidden(link->Menu);
    if (link->Previous)
        link->Previous(Sender);
}
