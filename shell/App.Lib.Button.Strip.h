#pragma once

#include "Label.h"
#include "Layouts.h"
#include "Shapes.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

// The body shared by the shell's menu and list buttons: a layout holding a coloured rectangle with
// a text. Not a control itself: each button builds its parts and places them under the parent it
// is given. A button that opens a window carries that window's class name.
class TButtonStrip : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString FormClassName READ FormClassName WRITE SetFormClassName)

public:
    int Order = 0;

    QWidget *Parent() const;
    void SetParent(QWidget *AParent);
    QString Text() const;
    virtual void SetText(const QString &AText);
    const QString &FormClassName() const { return m_formClassName; }
    void SetFormClassName(const QString &AValue) { m_formClassName = AValue; }

    // The parts, for the window's look and for tests.
    TLayout *Layout() const { return m_layout.data(); }
    TRectangle *Rectangle() const { return m_rectangle.data(); }
    TLabel *Label() const { return m_label.data(); }

protected:
    TButtonStrip() = default;
    // The controls may outlive the button: they must not call it any more.
    ~TButtonStrip() override;

    // Routes the rectangle's click and pointer events to the button, each behind the exception
    // guard.
    void LinkRectangle(std::function<void()> AClick);
    virtual void pointerEnter() = 0;
    virtual void pointerLeave() = 0;

    // Parts of m_layout, gone with it when the control it was placed in goes first.
    QPointer<TLayout> m_layout;
    QPointer<TRectangle> m_rectangle;
    QPointer<TLabel> m_label;

private:
    QString m_formClassName;
};
