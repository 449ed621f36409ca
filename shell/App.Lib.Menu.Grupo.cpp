#include "App.Lib.Menu.Grupo.h"

#include "App.Lib.Exception.h"
#include "App.Lib.Theme.h"

namespace {

constexpr int ButtonHeight = 35;

const TColorApp &colors()
{
    return TThemeApp::Instance().ColorApp();
}

} // namespace

TButtonGrupoMenu::TButtonGrupoMenu()
{
    const TColorApp &color = colors();

    m_layout = new TLayout(nullptr, QStringLiteral("LayoutButtonGrupoMenu"));
    m_layout->setAlign(TAlignLayout::Top);
    m_layout->setHeight(ButtonHeight);

    m_rectangle = new TRectangle(m_layout, QStringLiteral("RectangleButtonGrupoMenu"));
    m_rectangle->setAlign(TAlignLayout::Contents);
    m_rectangle->setHeight(ButtonHeight);
    m_rectangle->setFillColor(TAlphaColors::Null);
    m_rectangle->setStrokeColor(TAlphaColors::Null);
    m_rectangle->setStrokeThickness(0);
    m_rectangle->setMargins(5, 0, 0, 0);

    m_line = new TLine(m_rectangle, QStringLiteral("LineButtonGrupoMenu"));
    m_line->setLineType(TLineType::Left);
    m_line->setPosition(15, 0);
    m_line->setSize(2, 0);
    m_line->setFillColor(TAlphaColors::Null);
    m_line->setStrokeColor(color.TertiaryColor);
    m_line->setStrokeThickness(2);
    m_line->setHitTest(false);

    m_layoutLeftCircleSelect = new TLayout(m_rectangle, QStringLiteral("LayoutLeftCircleSelect"));
    m_layoutLeftCircleSelect->setAlign(TAlignLayout::Left);
    m_layoutLeftCircleSelect->setWidth(30);

    m_circleSelect = new TCircle(m_layoutLeftCircleSelect, QStringLiteral("CircleSelect"));
    m_circleSelect->setAlign(TAlignLayout::Left);
    m_circleSelect->setSize(20, 20);
    m_circleSelect->setMargins(5, 0, 0, 0);
    m_circleSelect->setFillColor(color.BackgroundColor2);
    m_circleSelect->setStrokeColor(color.TertiaryColor);
    m_circleSelect->setStrokeThickness(2);

    m_label = new TLabel(m_rectangle, QStringLiteral("LabelButtonGrupoMenu"));
    m_label->setAlign(TAlignLayout::Client);
    m_label->setFontSize(14);
    m_label->setFontColor(color.TextPrimaryColor);
    m_label->setHorzAlign(TTextAlign::Leading);
    m_label->setVertAlign(TTextAlign::Center);

    // The line runs behind the circle and the text.
    m_line->lower();

    for (TShape *shape :
         { static_cast<TShape *>(m_rectangle), static_cast<TShape *>(m_circleSelect) }) {
        shape->OnClick = [this](QObject *) { TDravikHandleException::Guard([this] { Click(); }); };
        shape->OnMouseEnter
            = [this](QObject *) { TDravikHandleException::Guard([this] { pointerEnter(); }); };
        shape->OnMouseLeave
            = [this](QObject *) { TDravikHandleException::Guard([this] { pointerLeave(); }); };
    }
}

TButtonGrupoMenu::~TButtonGrupoMenu()
{
    delete m_layout.data();
}

QWidget *TButtonGrupoMenu::Parent() const
{
    return m_layout ? m_layout->parentWidget() : nullptr;
}

void TButtonGrupoMenu::SetParent(QWidget *AParent)
{
    if (m_layout)
        SetParentControl(m_layout, AParent);
}

QString TButtonGrupoMenu::Text() const
{
    return m_label ? m_label->text() : QString();
}

void TButtonGrupoMenu::SetText(const QString &AText)
{
    if (m_label)
        m_label->setText(AText);
}

void TButtonGrupoMenu::SetOriginVertScroll(TVertScrollBox *AScrollBox)
{
    m_originVertScroll = AScrollBox;
    m_originParent = AScrollBox ? AScrollBox->parentWidget() : nullptr;
}

void TButtonGrupoMenu::SetActive(bool AValue)
{
    TVertScrollBox *content = m_originVertScroll.data();
    if (!content)
        return;
    m_isActive = AValue;
    if (m_circleSelect)
        m_circleSelect->setFillColor(AValue ? colors().TertiaryColor : colors().BackgroundColor2);
    // An inactive group's content goes back where it came from, which keeps it owned.
    if (AValue && m_destinyLayout)
        SetParentControl(content, m_destinyLayout);
    else if (!AValue && content->parentWidget() != m_originParent)
        SetParentControl(content, m_originParent);
    content->setVisible(AValue);
}

void TButtonGrupoMenu::SetEnabled(bool AValue)
{
    m_enabled = AValue;
    const TAlphaColor grey = colors().ZebraSecondaryColor;
    if (m_circleSelect)
        m_circleSelect->setFillColor(AValue ? colors().BackgroundColor2 : grey);
    if (m_label)
        m_label->setFontColor(AValue ? colors().TextPrimaryColor : grey);
}

void TButtonGrupoMenu::Click()
{
    if (m_isActive || !m_enabled || !m_originVertScroll)
        return;
    if (m_clickButtonGrupoMenu)
        m_clickButtonGrupoMenu(this);
    SetActive(true);
    if (m_procShow)
        m_procShow();
    QWidget *focus = m_controlFocus.data();
    if (focus && focus->isEnabled() && focus->isVisible() && focus->focusPolicy() != Qt::NoFocus)
        focus->setFocus(Qt::OtherFocusReason);
}

void TButtonGrupoMenu::LineFirst()
{
    if (!m_line || !m_rectangle)
        return;
    const int half = m_rectangle->height() / 2;
    m_line->setPositionY(half);
    m_line->setHeight(half + 2);
}

void TButtonGrupoMenu::LineMiddle()
{
    if (!m_line || !m_rectangle)
        return;
    m_line->setPositionY(0);
    m_line->setHeight(m_rectangle->height() + 1);
}

void TButtonGrupoMenu::LineLast()
{
    if (!m_line || !m_rectangle)
        return;
    m_line->setPositionY(0);
    m_line->setHeight(m_rectangle->height() / 2 + 1);
}

void TButtonGrupoMenu::pointerEnter()
{
    if (m_enabled && m_circleSelect)
        m_circleSelect->setFillColor(colors().SecondaryColor);
}

void TButtonGrupoMenu::pointerLeave()
{
    if (m_enabled && m_circleSelect)
        m_circleSelect->setFillColor(m_isActive ? colors().TertiaryColor
                                                : colors().BackgroundColor2);
}
