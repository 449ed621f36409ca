#pragma once

#include "AlphaColor.h"
#include "Control.h"

#include <QWidget>

// A sample of a colour: a framed swatch that takes no focus.
class TColorButton : public TControl<QWidget>
{
    Q_OBJECT

public:
    explicit TColorButton(QWidget *parent = nullptr, const QString &name = {});

    TAlphaColor color() const { return m_color; }
    void setColor(TAlphaColor color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TAlphaColor m_color = TAlphaColors::White;
};
