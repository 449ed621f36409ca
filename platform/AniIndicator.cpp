#include "AniIndicator.h"

#include <QPainter>

TAniIndicator::TAniIndicator(QWidget *parent, const QString &name)
    : TControl<QWidget>(parent)
{
    setObjectName(name);
    resize(50, 50);
    setHitTest(false);
    m_timer.setInterval(40);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_angle = (m_angle + 12) % 360;
        update();
    });
}

void TAniIndicator::refreshAnimation()
{
    const bool run = isEnabled() && isVisible();
    if (run && !m_timer.isActive())
        m_timer.start();
    else if (!run)
        m_timer.stop();
}

void TAniIndicator::changeEvent(QEvent *event)
{
    TControl<QWidget>::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        refreshAnimation();
}

void TAniIndicator::showEvent(QShowEvent *event)
{
    TControl<QWidget>::showEvent(event);
    refreshAnimation();
}

void TAniIndicator::hideEvent(QHideEvent *event)
{
    TControl<QWidget>::hideEvent(event);
    refreshAnimation();
}

void TAniIndicator::paintEvent(QPaintEvent *)
{
    if (!isEnabled())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height()) - 8;
    if (side <= 0)
        return;
    const QRectF box((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    painter.setPen(QPen(QColor(0, 0, 0, 40), 4));
    painter.drawEllipse(box);
    painter.setPen(QPen(QColor(0x31, 0x38, 0x42), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(box, -m_angle * 16, 100 * 16);
}
