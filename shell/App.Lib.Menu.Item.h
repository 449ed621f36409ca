#pragma once

#include "Events.h"
#include "Label.h"
#include "Layouts.h"
#include "Shapes.h"

#include <QObject>
#include <QPointer>
#include <QString>

// One item of a top menu, shown in the main window's side menu: a coloured strip with the item's
// text. It carries the class name of the window it opens; the main window's OnClick opens it.
// Not a control itself: it builds its controls and places them under the parent it is given. The
// top menu owns it; freeing it frees its controls.
class TButtonItemMenu final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString FormClassName READ FormClassName WRITE SetFormClassName)

public:
    TButtonItemMenu();
    ~TButtonItemMenu() override;

    // Runs on a click, with the item as sender.
    TNotifyEvent OnClick;
    int Order = 0;

    QWidget *Parent() const;
    void SetParent(QWidget *AParent);
    QString Text() const;
    void SetText(const QString &AText);
    const QString &FormClassName() const { return m_formClassName; }
    void SetFormClassName(const QString &AValue) { m_formClassName = AValue; }

    // The parts, for tests.
    TLayout *Layout() const { return m_layout.data(); }
    TRectangle *Rectangle() const { return m_rectangle.data(); }
    TLabel *Label() const { return m_label.data(); }

private:
    void pointerEnter();
    void pointerLeave();

    // Parts of m_layout, gone with it when the control it was placed in goes first.
    QPointer<TLayout> m_layout;
    QPointer<TRectangle> m_rectangle;
    QPointer<TLabel> m_label;
    QString m_formClassName;
};
