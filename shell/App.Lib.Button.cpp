#include "App.Lib.Button.h"

#include "App.Lib.Theme.h"
#include "Label.h"
#include "Layouts.h"
#include "Shapes.h"

TSimpleButton::TSimpleButton(bool AIsTitleButton, QWidget *AParent)
    : m_isTitleButton(AIsTitleButton)
{
    const TThemeApp &theme = TThemeApp::Instance();
    const TColorApp &color = theme.ColorApp();
    m_colorChecked = AIsTitleButton ? color.SecondaryColor : color.PrimaryColor;
    m_colorSelect = AIsTitleButton ? color.BackgroundColor : color.BackgroundColor2;
    m_colorBackground = AIsTitleButton ? color.PrimaryColor : color.SecondaryColor;
    m_currentColor = m_colorBackground;

    m_layout = new TLayout(nullptr, QStringLiteral("LayoutSimpleButton"));
    m_layout->setAlign(TAlignLayout::Top);
    m_layout->setHeight(50);
    setParent(m_layout);

    m_rectangle = new TRectangle(m_layout, QStringLiteral("RectangleSimpleButton"));
    m_rectangle->setAlign(TAlignLayout::Contents);
    m_rectangle->setFillColor(m_currentColor);
    m_rectangle->setStrokeColor(TAlphaColors::Null);
    m_rectangle->setMargins(5, 0, 0, 0);

    m_layoutLeftRectangleSelect
        = new TLayout(m_rectangle, QStringLiteral("LayoutLeftRectangleSelect"));
    m_layoutLeftRectangleSelect->setAlign(TAlignLayout::Left);
    m_layoutLeftRectangleSelect->setWidth(20);

    m_label = new TLabel(m_rectangle, QStringLiteral("LabelSimpleButton"));
    m_label->setAlign(TAlignLayout::Client);
    m_label->setTextFont(theme.FontApp().SecondaryFont());
    m_label->setFontSize(16);
    m_label->setFontBold(true);
    m_label->setFontColor(color.TextSecondaryColor);
    m_label->setHorzAlign(TTextAlign::Leading);
    m_label->setVertAlign(TTextAlign::Center);

    if (AParent)
        SetParent(AParent);
    if (AIsTitleButton)
        return;
    LinkRectangle([this] { click(); });
}

void TSimpleButton::SetIsChecked(bool AValue)
{
    if (m_isTitleButton)
        return;
    m_isChecked = AValue;
    m_currentColor = AValue ? m_colorChecked : m_colorBackground;
    if (m_rectangle)
        m_rectangle->setFillColor(m_currentColor);
}

void TSimpleButton::SetOnClick(TNotifyEvent AValue)
{
    if (!m_isTitleButton)
        m_onClick = std::move(AValue);
}

void TSimpleButton::SetOnBeforeClick(TNotifyEvent AValue)
{
    if (!m_isTitleButton)
        m_onBeforeClick = std::move(AValue);
}

void TSimpleButton::click()
{
    // Each handler is copied before it runs: a handler may replace the button's handlers.
    if (const TNotifyEvent before = m_onBeforeClick)
        before(this);
    SetIsChecked(bool(m_onBeforeClick));
    if (const TNotifyEvent onClick = m_onClick)
        onClick(this);
    if (const TNotifyEvent after = m_onAfterClick)
        after(this);
}

void TSimpleButton::pointerEnter()
{
    if (m_rectangle)
        m_rectangle->setFillColor(m_colorSelect);
    if (m_label)
        m_label->setFontColor(m_colorBackground);
}

void TSimpleButton::pointerLeave()
{
    if (m_rectangle)
        m_rectangle->setFillColor(m_currentColor);
    if (m_label)
        m_label->setFontColor(m_colorSelect);
}
