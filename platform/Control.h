#pragma once

#include "Align.h"
#include "Events.h"

#include <QEnterEvent>
#include <QFocusEvent>
#include <QString>
#include <QWidget>

#include <cstdint>

// What every control of the forms has on top of its Qt widget: alignment and margins in its
// parent, the size and position setters that realign the parent, the tag values, mouse
// transparency (HitTest) and the pointer and focus events.
template<class Base>
class TControl : public Base
{
public:
    using Base::Base;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnEnter; // the control received the focus
    TNotifyEvent OnExit; // the control lost the focus
    QString TagString;
    std::int64_t Tag = 0;

    TAlignLayout align() const { return GetAlign(this); }
    void setAlign(TAlignLayout value) { SetAlign(this, value); }
    QMargins margins() const { return GetMargins(this); }
    void setMargins(const QMargins &value) { SetMargins(this, value); }
    void setMargins(int left, int top, int right, int bottom)
    {
        SetMargins(this, QMargins(left, top, right, bottom));
    }

    void setWidth(int value) { SetSize(this, QSize(value, this->height())); }
    void setHeight(int value) { SetSize(this, QSize(this->width(), value)); }
    void setSize(int width, int height) { SetSize(this, QSize(width, height)); }
    void setPosition(int x, int y) { SetPosition(this, QPoint(x, y)); }
    void setPositionX(int x) { SetPosition(this, QPoint(x, this->y())); }
    void setPositionY(int y) { SetPosition(this, QPoint(this->x(), y)); }

    // The control's own visibility flag, also while its window is not shown yet.
    bool Visible() const
    {
        return !(this->isHidden() && this->testAttribute(Qt::WA_WState_ExplicitShowHide));
    }

    // false: the pointer goes through the control to what lies below it.
    bool hitTest() const { return !this->testAttribute(Qt::WA_TransparentForMouseEvents); }
    void setHitTest(bool value) { this->setAttribute(Qt::WA_TransparentForMouseEvents, !value); }

protected:
    void enterEvent(QEnterEvent *event) override
    {
        Base::enterEvent(event);
        RunEvent(OnMouseEnter, this);
    }
    void leaveEvent(QEvent *event) override
    {
        Base::leaveEvent(event);
        RunEvent(OnMouseLeave, this);
    }
    // Switching windows or opening a popup moves no focus between the controls of a form.
    void focusInEvent(QFocusEvent *event) override
    {
        Base::focusInEvent(event);
        if (event->reason() != Qt::ActiveWindowFocusReason
            && event->reason() != Qt::PopupFocusReason)
            RunEvent(OnEnter, this);
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        Base::focusOutEvent(event);
        if (event->reason() != Qt::ActiveWindowFocusReason
            && event->reason() != Qt::PopupFocusReason)
            RunEvent(OnExit, this);
    }
};

// Moves a control to another parent keeping its own visibility, as the forms expect when they
// dock a rectangle into the main window or host a layout in a dialog (Qt hides a widget whenever
// its parent changes).
inline void SetParentControl(QWidget *control, QWidget *parent)
{
    const bool visible
        = !(control->isHidden() && control->testAttribute(Qt::WA_WState_ExplicitShowHide));
    control->setParent(parent);
    if (parent && visible)
        control->show();
}
