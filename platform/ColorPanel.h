#pragma once

#include "AlphaColor.h"
#include "Control.h"

#include <QImage>
#include <QWidget>

// A colour picker drawn in place: a saturation and brightness square with a hue strip at its
// right (and an alpha strip below when UseAlpha is on). OnChange runs when the person picks a
// colour; setting the colour by code runs nothing.
class TColorPanel : public TControl<QWidget>
{
    Q_OBJECT

public:
    explicit TColorPanel(QWidget *parent = nullptr, const QString &name = {});

    TNotifyEvent OnChange;

    TAlphaColor color() const { return m_color; }
    void setColor(TAlphaColor color);
    bool useAlpha() const { return m_useAlpha; }
    void setUseAlpha(bool value);

    // As the person's pick at that point of the panel (tests and keyboard-less use).
    void pickAt(const QPoint &point);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QRect squareRect() const;
    QRect hueRect() const;
    QRect alphaRect() const;
    void pick(const QPoint &point, bool start);

    TAlphaColor m_color = 0xFF191970; // midnight blue
    // Kept apart from the colour, so that black or grey keeps the hue the person chose.
    double m_hue = 240.0 / 360.0;
    bool m_useAlpha = true;
    enum class TPart { None, Square, Hue, Alpha } m_dragging = TPart::None;
};
