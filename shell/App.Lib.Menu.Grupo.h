#pragma once

#include "Label.h"
#include "Layouts.h"
#include "ScrollBox.h"
#include "Shapes.h"

#include <QPointer>
#include <QString>

#include <functional>

class TButtonGrupoMenu;

// The owner window's handler of a group click, run before the group becomes active.
using TClickButtonGrupoMenu = std::function<void(TButtonGrupoMenu *Sender)>;

// One group of fields in the list down the left side of a registration window's edit page: a
// circle with the group's name, the circles joined by a vertical line like the steps of a path.
// Clicking it makes the group the active one: its circle fills and its scroll box is shown in the
// window's content area. The registration window creates the buttons, switches the previous
// group off and sizes the connecting lines; it owns the buttons. Main thread only.
class TButtonGrupoMenu final
{
public:
    TButtonGrupoMenu();
    ~TButtonGrupoMenu();
    TButtonGrupoMenu(const TButtonGrupoMenu &) = delete;
    TButtonGrupoMenu &operator=(const TButtonGrupoMenu &) = delete;

    int Order = 0;
    // Kept for the registration window, which reads them when the group is shown.
    bool ChildExecuteNewWhileNoRecords = false;
    QPointer<QWidget> FormSubCadastro;

    // Where the button's outer layout is placed.
    QWidget *Parent() const;
    void SetParent(QWidget *AParent);

    QString Text() const;
    void SetText(const QString &AText);

    // The group's content, shown in DestinyLayout while the group is active. While inactive it
    // is hidden and back under the parent it had when it was given.
    TVertScrollBox *OriginVertScroll() const { return m_originVertScroll.data(); }
    void SetOriginVertScroll(TVertScrollBox *AScrollBox);
    void SetDestinyLayout(QWidget *ADestiny) { m_destinyLayout = ADestiny; }
    // Takes the focus when the group is shown, when it can.
    void SetControlFocus(QWidget *AControl) { m_controlFocus = AControl; }
    void SetClickButtonGrupoMenu(TClickButtonGrupoMenu AHandler)
    {
        m_clickButtonGrupoMenu = std::move(AHandler);
    }
    // Runs after the group became active.
    void SetProcShow(std::function<void()> AProc) { m_procShow = std::move(AProc); }

    bool IsActive() const { return m_isActive; }
    // Needs OriginVertScroll: without it nothing changes.
    void SetActive(bool AValue);

    bool Enabled() const { return m_enabled; }
    // Greys the circle and the text; a disabled group ignores clicks and the pointer.
    void SetEnabled(bool AValue);

    // A click from code: nothing when the group is active, disabled or has no content.
    void Click();

    // The connector through the circle: from the centre down (first button), the whole height
    // (middle buttons), from the top to the centre (last button).
    void LineFirst();
    void LineMiddle();
    void LineLast();

    // The parts, for the window's look and for tests.
    TLayout *Layout() const { return m_layout.data(); }
    TRectangle *Rectangle() const { return m_rectangle.data(); }
    TCircle *CircleSelect() const { return m_circleSelect.data(); }
    TLine *Line() const { return m_line.data(); }
    TLabel *Label() const { return m_label.data(); }

private:
    void pointerEnter();
    void pointerLeave();

    QPointer<TLayout> m_layout;
    // Parts of m_layout, gone with it when the window that holds it goes first.
    QPointer<TRectangle> m_rectangle;
    QPointer<TCircle> m_circleSelect;
    QPointer<TLayout> m_layoutLeftCircleSelect;
    QPointer<TLabel> m_label;
    QPointer<TLine> m_line;
    QPointer<TVertScrollBox> m_originVertScroll;
    QPointer<QWidget> m_originParent;
    QPointer<QWidget> m_destinyLayout;
    QPointer<QWidget> m_controlFocus;
    TClickButtonGrupoMenu m_clickButtonGrupoMenu;
    std::function<void()> m_procShow;
    bool m_isActive = false;
    bool m_enabled = true;
};
