#include "Label.h"

#include <QMouseEvent>

TLabel::TLabel(QWidget *parent, const QString &name)
    : TControl<QLabel>(parent)
{
    setObjectName(name);
    resize(120, 17);
    setHitTest(false);
    setAlignment(ToQtAlignment(m_horzAlign, m_vertAlign));
}

void TLabel::setText(const QString &text)
{
    QLabel::setText(text);
    applyAutoSize();
}

void TLabel::setTextFont(const QFont &value)
{
    setFont(value);
    applyAutoSize();
}

void TLabel::setFontSize(double size)
{
    QFont value = font();
    SetFontSize(value, size);
    setFont(value);
    applyAutoSize();
}

void TLabel::setFontBold(bool bold)
{
    QFont value = font();
    value.setBold(bold);
    setFont(value);
    applyAutoSize();
}

void TLabel::setHorzAlign(TTextAlign align)
{
    m_horzAlign = align;
    setAlignment(ToQtAlignment(m_horzAlign, m_vertAlign));
}

void TLabel::setVertAlign(TTextAlign align)
{
    m_vertAlign = align;
    setAlignment(ToQtAlignment(m_horzAlign, m_vertAlign));
}

void TLabel::setAutoSize(bool value)
{
    m_autoSize = value;
    applyAutoSize();
}

int TLabel::textHeight() const
{
    if (wordWrap())
        return heightForWidth(width());
    return sizeHint().height();
}

void TLabel::applyAutoSize()
{
    if (!m_autoSize)
        return;
    if (wordWrap())
        setHeight(heightForWidth(width()));
    else
        setSize(sizeHint().width(), sizeHint().height());
}

void TLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && OnClick) {
        event->accept();
        return;
    }
    TControl<QLabel>::mousePressEvent(event);
}

void TLabel::mouseReleaseEvent(QMouseEvent *event)
{
    TControl<QLabel>::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && OnClick
        && rect().contains(event->position().toPoint())) {
        event->accept();
        RunEvent(OnClick, this);
    }
}

void TLabel::changeEvent(QEvent *event)
{
    TControl<QLabel>::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyAutoSize();
}
