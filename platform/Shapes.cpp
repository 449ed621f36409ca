#include "Shapes.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

TShape::TShape(QWidget *parent, const QString &name)
    : TControl<QWidget>(parent)
{
    setObjectName(name);
    resize(50, 50);
}

void TShape::setFillColor(TAlphaColor color)
{
    if (m_fillColor == color)
        return;
    m_fillColor = color;
    update();
}

void TShape::setStrokeColor(TAlphaColor color)
{
    if (m_strokeColor == color)
        return;
    m_strokeColor = color;
    update();
}

void TShape::setStrokeThickness(double thickness)
{
    m_strokeThickness = std::max(0.0, thickness);
    update();
}

void TShape::setOpacity(double opacity)
{
    m_opacity = std::clamp(opacity, 0.0, 1.0);
    update();
}

void TShape::click()
{
    RunEvent(OnClick, this);
}

void TShape::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    TControl<QWidget>::mousePressEvent(event);
}

void TShape::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        event->accept();
        if (rect().contains(event->position().toPoint()))
            click();
        return;
    }
    TControl<QWidget>::mouseReleaseEvent(event);
}

QRectF TShape::strokeRect() const
{
    const double inset = (m_strokeColor != TAlphaColors::Null ? m_strokeThickness : 0.0) / 2.0;
    return QRectF(rect()).adjusted(inset, inset, -inset, -inset);
}

namespace {

void preparePainter(
    QPainter &painter, TAlphaColor fill, TAlphaColor stroke, double thickness, double opacity)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(opacity);
    painter.setBrush(fill != TAlphaColors::Null ? QBrush(ToQColor(fill)) : Qt::NoBrush);
    if (stroke != TAlphaColors::Null && thickness > 0)
        painter.setPen(QPen(ToQColor(stroke), thickness));
    else
        painter.setPen(Qt::NoPen);
}

} // namespace

TRectangle::TRectangle(QWidget *parent, const QString &name)
    : TShape(parent, name)
{
    InstallAlignLayout(this);
}

void TRectangle::setRadius(double xRadius, double yRadius)
{
    m_xRadius = std::max(0.0, xRadius);
    m_yRadius = std::max(0.0, yRadius);
    update();
}

void TRectangle::setCorners(TCorners corners)
{
    m_corners = corners;
    update();
}

void TRectangle::paintEvent(QPaintEvent *)
{
    if (fillColor() == TAlphaColors::Null && strokeColor() == TAlphaColors::Null)
        return;
    QPainter painter(this);
    preparePainter(painter, fillColor(), strokeColor(), strokeThickness(), opacity());
    const QRectF box = strokeRect();
    const double rx = std::min(m_xRadius, box.width() / 2);
    const double ry = std::min(m_yRadius, box.height() / 2);
    if (rx <= 0 || ry <= 0) {
        painter.drawRect(box);
        return;
    }
    // Each corner is either an arc or a square corner.
    QPainterPath path;
    const auto rounded = [this](TCorner corner) { return m_corners.testFlag(corner); };
    path.moveTo(box.left() + (rounded(TCorner::TopLeft) ? rx : 0), box.top());
    if (rounded(TCorner::TopRight)) {
        path.lineTo(box.right() - rx, box.top());
        path.arcTo(QRectF(box.right() - 2 * rx, box.top(), 2 * rx, 2 * ry), 90, -90);
    } else {
        path.lineTo(box.topRight());
    }
    if (rounded(TCorner::BottomRight)) {
        path.lineTo(box.right(), box.bottom() - ry);
        path.arcTo(QRectF(box.right() - 2 * rx, box.bottom() - 2 * ry, 2 * rx, 2 * ry), 0, -90);
    } else {
        path.lineTo(box.bottomRight());
    }
    if (rounded(TCorner::BottomLeft)) {
        path.lineTo(box.left() + rx, box.bottom());
        path.arcTo(QRectF(box.left(), box.bottom() - 2 * ry, 2 * rx, 2 * ry), 270, -90);
    } else {
        path.lineTo(box.bottomLeft());
    }
    if (rounded(TCorner::TopLeft)) {
        path.lineTo(box.left(), box.top() + ry);
        path.arcTo(QRectF(box.left(), box.top(), 2 * rx, 2 * ry), 180, -90);
    } else {
        path.lineTo(box.topLeft());
    }
    path.closeSubpath();
    painter.drawPath(path);
}

TCircle::TCircle(QWidget *parent, const QString &name)
    : TShape(parent, name)
{ }

void TCircle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    preparePainter(painter, fillColor(), strokeColor(), strokeThickness(), opacity());
    const QRectF box = strokeRect();
    const double side = std::min(box.width(), box.height());
    painter.drawEllipse(
        QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side));
}

TLine::TLine(QWidget *parent, const QString &name)
    : TShape(parent, name)
{
    setFillColor(TAlphaColors::Null);
}

void TLine::setLineType(TLineType type)
{
    m_lineType = type;
    update();
}

void TLine::paintEvent(QPaintEvent *)
{
    if (strokeColor() == TAlphaColors::Null || strokeThickness() <= 0)
        return;
    QPainter painter(this);
    preparePainter(painter, TAlphaColors::Null, strokeColor(), strokeThickness(), opacity());
    const double half = strokeThickness() / 2;
    switch (m_lineType) {
    case TLineType::Top:
        painter.drawLine(QPointF(0, half), QPointF(width(), half));
        break;
    case TLineType::Left:
        painter.drawLine(QPointF(half, 0), QPointF(half, height()));
        break;
    case TLineType::Diagonal:
        painter.drawLine(QPointF(0, 0), QPointF(width(), height()));
        break;
    }
}
