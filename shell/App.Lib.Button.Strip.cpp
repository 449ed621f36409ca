#include "App.Lib.Button.Strip.h"

#include "App.Lib.Exception.h"

TButtonStrip::~TButtonStrip()
{
    if (m_rectangle)
        m_rectangle->OnClick = m_rectangle->OnMouseEnter = m_rectangle->OnMouseLeave = nullptr;
}

QWidget *TButtonStrip::Parent() const
{
    return m_layout ? m_layout->parentWidget() : nullptr;
}

void TButtonStrip::SetParent(QWidget *AParent)
{
    if (m_layout)
        SetParentControl(m_layout, AParent);
}

QString TButtonStrip::Text() const
{
    return m_label ? m_label->text() : QString();
}

void TButtonStrip::SetText(const QString &AText)
{
    if (m_label)
        m_label->setText(AText);
}

void TButtonStrip::LinkRectangle(std::function<void()> AClick)
{
    m_rectangle->OnClick
        = [AClick = std::move(AClick)](QObject *) { TDravikHandleException::Guard(AClick); };
    m_rectangle->OnMouseEnter
        = [this](QObject *) { TDravikHandleException::Guard([this] { pointerEnter(); }); };
    m_rectangle->OnMouseLeave
        = [this](QObject *) { TDravikHandleException::Guard([this] { pointerLeave(); }); };
}
