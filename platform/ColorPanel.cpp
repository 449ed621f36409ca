#include "ColorPanel.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kStrip = 14;
constexpr int kGap = 4;

} // namespace

TColorPanel::TColorPanel(QWidget *parent, const QString &name)
    : TControl<QWidget>(parent)
{
    setObjectName(name);
    resize(160, 120);
    setFocusPolicy(Qt::NoFocus);
    setColor(m_color);
}

void TColorPanel::setColor(TAlphaColor color)
{
    if (!m_useAlpha)
        color |= 0xFF000000;
    m_color = color;
    const QColor value = ToQColor(color);
    // A colour without saturation says nothing of its hue: the one shown stays.
    if (value.hsvHueF() >= 0)
        m_hue = value.hsvHueF();
    update();
}

void TColorPanel::setUseAlpha(bool value)
{
    m_useAlpha = value;
    if (!value)
        m_color |= 0xFF000000;
    update();
}

QRect TColorPanel::squareRect() const
{
    const int bottom = height() - (m_useAlpha ? kStrip + kGap : 0);
    return QRect(0, 0, std::max(1, width() - kStrip - kGap), std::max(1, bottom));
}

QRect TColorPanel::hueRect() const
{
    const QRect square = squareRect();
    return QRect(square.right() + 1 + kGap, 0, kStrip, square.height());
}

QRect TColorPanel::alphaRect() const
{
    return QRect(0, height() - kStrip, width(), kStrip);
}

void TColorPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect square = squareRect();
    // Saturation grows to the right, brightness to the top.
    QLinearGradient saturation(square.topLeft(), square.topRight());
    saturation.setColorAt(0, Qt::white);
    saturation.setColorAt(1, QColor::fromHsvF(m_hue, 1, 1));
    painter.fillRect(square, saturation);
    QLinearGradient brightness(square.topLeft(), square.bottomLeft());
    brightness.setColorAt(0, QColor(0, 0, 0, 0));
    brightness.setColorAt(1, Qt::black);
    painter.fillRect(square, brightness);

    const QRect hue = hueRect();
    QLinearGradient hues(hue.topLeft(), hue.bottomLeft());
    for (int step = 0; step <= 6; ++step)
        hues.setColorAt(step / 6.0, QColor::fromHsvF(std::min(step / 6.0, 0.9999), 1, 1));
    painter.fillRect(hue, hues);

    const QColor current = ToQColor(m_color);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(Qt::NoBrush);
    const QPoint marker(square.left() + int(current.hsvSaturationF() * square.width()),
                        square.top() + int((1 - current.valueF()) * square.height()));
    painter.drawEllipse(marker, 4, 4);
    const int hueY = hue.top() + int(m_hue * hue.height());
    painter.drawRect(hue.left(), hueY - 1, hue.width() - 1, 2);

    if (m_useAlpha) {
        const QRect alpha = alphaRect();
        QLinearGradient alphas(alpha.topLeft(), alpha.topRight());
        QColor clear = current;
        clear.setAlpha(0);
        QColor opaque = current;
        opaque.setAlpha(255);
        alphas.setColorAt(0, clear);
        alphas.setColorAt(1, opaque);
        painter.fillRect(alpha, Qt::lightGray);
        painter.fillRect(alpha, alphas);
    }
}

void TColorPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pick(event->position().toPoint(), true);
}

void TColorPanel::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        pick(event->position().toPoint(), false);
}

void TColorPanel::pickAt(const QPoint &point)
{
    pick(point, true);
    m_dragging = TPart::None;
}

void TColorPanel::pick(const QPoint &point, bool start)
{
    if (start) {
        if (squareRect().contains(point))
            m_dragging = TPart::Square;
        else if (hueRect().contains(point))
            m_dragging = TPart::Hue;
        else if (m_useAlpha && alphaRect().contains(point))
            m_dragging = TPart::Alpha;
        else
            m_dragging = TPart::None;
    }
    QColor current = ToQColor(m_color);
    const int alpha = current.alpha();
    auto fraction = [](int value, int from, int size) {
        return std::clamp(double(value - from) / std::max(1, size), 0.0, 1.0);
    };
    switch (m_dragging) {
    case TPart::Square: {
        const QRect square = squareRect();
        current = QColor::fromHsvF(m_hue,
                                   fraction(point.x(), square.left(), square.width()),
                                   1 - fraction(point.y(), square.top(), square.height()));
        current.setAlpha(alpha);
        break;
    }
    case TPart::Hue: {
        const QRect hue = hueRect();
        m_hue = std::min(fraction(point.y(), hue.top(), hue.height()), 0.9999);
        current = QColor::fromHsvF(m_hue, current.hsvSaturationF(), current.valueF());
        current.setAlpha(alpha);
        break;
    }
    case TPart::Alpha: {
        const QRect strip = alphaRect();
        current.setAlphaF(fraction(point.x(), strip.left(), strip.width()));
        break;
    }
    case TPart::None:
        return;
    }
    const double hue = m_hue;
    setColor(current.rgba());
    m_hue = hue;
    RunEvent(OnChange, this);
}
