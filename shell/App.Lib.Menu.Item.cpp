#include "App.Lib.Menu.Item.h"

#include "App.Lib.Theme.h"
#include "Label.h"
#include "Layouts.h"
#include "Shapes.h"

TButtonItemMenu::TButtonItemMenu()
{
    const TThemeApp &theme = TThemeApp::Instance();

    m_layout = new TLayout(nullptr, QStringLiteral("LayoutButtonItemMenu"));
    m_layout->setAlign(TAlignLayout::Top);
    m_layout->setHeight(30);

    m_rectangle = new TRectangle(m_layout, QStringLiteral("RectangleButtonItemMenu"));
    m_rectangle->setAlign(TAlignLayout::Contents);
    m_rectangle->setFillColor(theme.ColorApp().PrimaryColor);
    m_rectangle->setStrokeColor(TAlphaColors::Null);
    m_rectangle->setStrokeThickness(0);
    m_rectangle->setMargins(5, 0, 5, 0);

    m_label = new TLabel(m_rectangle, QStringLiteral("LabelButtonItemMenu"));
    m_label->setAlign(TAlignLayout::Client);
    m_label->setTextFont(theme.FontApp().Menu());
    m_label->setFontColor(theme.ColorApp().TextSecondaryColor);
    m_label->setHorzAlign(TTextAlign::Center);
    m_label->setVertAlign(TTextAlign::Center);

    LinkRectangle([this] {
        if (OnClick)
            OnClick(this);
    });
}

TButtonItemMenu::~TButtonItemMenu()
{
    delete m_layout.data();
}

void TButtonItemMenu::pointerEnter()
{
    const TColorApp &color = TThemeApp::Instance().ColorApp();
    if (m_rectangle)
        m_rectangle->setFillColor(color.SecondaryColor);
    if (m_label)
        m_label->setFontColor(color.PrimaryColor);
}

void TButtonItemMenu::pointerLeave()
{
    const TColorApp &color = TThemeApp::Instance().ColorApp();
    if (m_rectangle)
        m_rectangle->setFillColor(color.PrimaryColor);
    if (m_label)
        m_label->setFontColor(color.TextSecondaryColor);
}
