#pragma once

#include "Control.h"

#include <QTimer>
#include <QWidget>

// The busy indicator: a turning ring while it is enabled and visible.
class TAniIndicator : public TControl<QWidget>
{
    Q_OBJECT

public:
    explicit TAniIndicator(QWidget *parent = nullptr, const QString &name = {});

    bool isAnimating() const { return m_timer.isActive(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void refreshAnimation();

    QTimer m_timer;
    int m_angle = 0;
};
