#pragma once

#include "AlphaColor.h"
#include "Control.h"

#include <QWidget>

// Base of the drawn shapes: a fill, a stroke and an opacity that applies to the shape's own
// drawing. A shape takes clicks (OnClick) unless HitTest is switched off.
class TShape : public TControl<QWidget>
{
    Q_OBJECT

public:
    explicit TShape(QWidget *parent = nullptr, const QString &name = {});

    TNotifyEvent OnClick;

    TAlphaColor fillColor() const { return m_fillColor; }
    void setFillColor(TAlphaColor color);
    TAlphaColor strokeColor() const { return m_strokeColor; }
    void setStrokeColor(TAlphaColor color);
    double strokeThickness() const { return m_strokeThickness; }
    void setStrokeThickness(double thickness);
    double opacity() const { return m_opacity; }
    void setOpacity(double opacity);

    // Runs OnClick as a press and release of the left button on the shape would.
    void click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    QRectF strokeRect() const;

private:
    TAlphaColor m_fillColor = 0xFFE0E0E0;
    TAlphaColor m_strokeColor = TAlphaColors::Black;
    double m_strokeThickness = 1.0;
    double m_opacity = 1.0;
    bool m_pressed = false;
};

// The corners a rectangle rounds.
enum class TCorner { TopLeft = 1, TopRight = 2, BottomLeft = 4, BottomRight = 8 };
Q_DECLARE_FLAGS(TCorners, TCorner)
Q_DECLARE_OPERATORS_FOR_FLAGS(TCorners)

// A rectangle with rounded corners; also a container that aligns its children.
class TRectangle : public TShape
{
    Q_OBJECT

public:
    explicit TRectangle(QWidget *parent = nullptr, const QString &name = {});

    double xRadius() const { return m_xRadius; }
    double yRadius() const { return m_yRadius; }
    void setRadius(double xRadius, double yRadius);
    TCorners corners() const { return m_corners; }
    void setCorners(TCorners corners);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_xRadius = 0.0;
    double m_yRadius = 0.0;
    TCorners m_corners = TCorners(TCorner::TopLeft) | TCorner::TopRight | TCorner::BottomLeft
        | TCorner::BottomRight;
};

// A circle as large as the shorter side, centred.
class TCircle : public TShape
{
    Q_OBJECT

public:
    explicit TCircle(QWidget *parent = nullptr, const QString &name = {});

protected:
    void paintEvent(QPaintEvent *event) override;
};

enum class TLineType { Diagonal, Top, Left };

// A line along the top or left edge, or across the box.
class TLine : public TShape
{
    Q_OBJECT

public:
    explicit TLine(QWidget *parent = nullptr, const QString &name = {});

    TLineType lineType() const { return m_lineType; }
    void setLineType(TLineType type);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TLineType m_lineType = TLineType::Diagonal;
};
