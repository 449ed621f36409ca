#pragma once

#include <QPoint>
#include <QString>

class QWidget;

// Input a person gives a widget, sent straight to it (no window manager, works offscreen).
void typeText(QWidget *widget, const QString &text);
void pressKey(QWidget *widget, int key);
void clickAt(QWidget *widget, QPoint point);
// The pointer entering (true) or leaving (false) the widget.
void hoverPointer(QWidget *widget, bool enters);
