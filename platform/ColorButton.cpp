#include "ColorButton.h"

#include <QPainter>

TColorButton::TColorButton(QWidget *parent, const QString &name)
    : TControl<QWidget>(parent)
{
    setObjectName(name);
    resize(30, 22);
    setFocusPolicy(Qt::NoFocus);
}

void TColorButton::setColor(TAlphaColor color)
{
    m_color = color;
    update();
}

void TColorButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(frame, Qt::white);
    painter.fillRect(frame.adjusted(3, 3, -2, -2), ToQColor(m_color));
    painter.setPen(Qt::gray);
    painter.drawRect(frame);
}
