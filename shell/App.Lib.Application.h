#pragma once

#include "Common.Base.Types.h"
#include "MultiView.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

class QEvent;
class QObject;
class TButtonTopMenu;
class TEmpresaDto;
class TFormBaseView;
class TItemControl;
class TPesquisa;
class TThemeApp;
class TUsuarioDto;

// The shell's one process-wide object: the inactivity lock, the company chosen at login, and the
// view windows docked in the main window (one per class, with the order in which they were last
// brought forward). It owns the open view windows.
class TApplicationZunta final
{
public:
    static constexpr int InactivityInterval = 300000;

    static TApplicationZunta &GetInstance();
    // The instance when there is one; never creates it (windows being destroyed ask this).
    static TApplicationZunta *FindInstance();
    // Drops the instance and frees its open windows; the next GetInstance creates a fresh one.
    // The main window calls it when it is destroyed, tests between cases.
    static void ResetInstance();

    ~TApplicationZunta();
    TApplicationZunta(const TApplicationZunta &) = delete;
    TApplicationZunta &operator=(const TApplicationZunta &) = delete;

    // The logged-in user of the connection, or null; not owned.
    TUsuarioDto *UsuarioLogado() const;
    // True only when a user is logged in and that user's id is 1.
    bool IsUserAdminstrator() const;
    TThemeApp &ThemeApp() const;
    // The company chosen at login; empty until then.
    TEmpresaDto &EmpresaLogado() { return *m_empresaLogado; }
    // "v" followed by the executable's date and time as "mm.dd-hhmm" (no year).
    QString Version() const;
    // The same for any file; empty text when the file does not exist.
    static QString VersionOf(const QString &AFileName);

    // The inactivity lock is armed (set by user activity).
    bool IsBloqueio = false;
    // Stops the timer, sets its interval (1 ms while initialising, the inactivity period
    // otherwise) and enables it when asked.
    void TimerEnable(bool AEnable, bool AIsInitializateApp);
    // Tests shorten the inactivity period (milliseconds); the default is InactivityInterval.
    void SetInactivityInterval(int AMilliseconds) { m_inactivityInterval = AMilliseconds; }
    const QTimer &TimerInatividade() const { return *m_timerInatividade; }
    // User activity: arms the lock and restarts the full inactivity period. The windows' input,
    // focus and activation events, in the windows and in every control inside them, come here;
    // so do the bound controls.
    void UserActivity();

    // The main window and its areas, set by the main window once it is built. The modal
    // container lies over FormPrincipal while it runs; Logout empties its "LayoutTopMenu".
    QPointer<QWidget> FormPrincipal;
    QPointer<QWidget> LayoutApoio; // side area for popups and lookups
    QPointer<QWidget> LayoutPrincipal; // docking area of the view windows
    QPointer<QWidget> PanelMenu; // top panel, disabled while the side area is in use
    QPointer<TMultiView> MultiViewMenu; // side menu, hidden whenever a window is opened
    // The lookup whose search window shows in the side area; not owned (the lookup owns
    // itself), null when none shows. The main window releases it when it closes meanwhile.
    QPointer<TPesquisa> OpenedPesquisa;

    // The main window's steps that Logout runs, installed by the main window: its login loop
    // (0 for a full login with the choice of company, a user id for the same-user re-login
    // after the inactivity lock) and its menu build.
    std::function<void(std::int64_t AIdUsuarioLogado)> ProcLogar;
    std::function<void()> ProcLoadMenu;

    // Opens a view window by class name and docks it: the name is the sender's "FormClassName"
    // property when a sender is given (a sender without one opens nothing), else AClassName. The
    // open window of the class is reused. A registration window opened for a bound control gets
    // that control. A name that no window class bears opens nothing and shows a warning. Failures
    // of the window's creation propagate.
    void
    OpenForm(QObject *Sender, const QString &AClassName = {}, TItemControl *AItemControl = nullptr);
    // Docks a window the caller has created and prepared; an open window of the same class is
    // freed first. Nothing for null.
    void OpenFormAssigned(std::unique_ptr<TFormBaseView> AForm);
    // Closes the open window of the class (it is freed once the event that closed it has been
    // handled) and shows the window brought forward last among those that remain.
    void VisibleFirstFormOpened(const QString &AClassName);

    // The open windows by class name.
    const std::map<QString, std::unique_ptr<TFormBaseView>> &ListFormOpened() const
    {
        return m_listFormOpened;
    }
    // The open window of a class, or null.
    TFormBaseView *FormOpened(const QString &AClassName) const;
    // The open windows, the one brought forward last at the end; one entry per open window.
    const QList<TFormBaseView *> &ListOrderOpenedForm() const { return m_listOrderOpenedForm; }
    // A window being destroyed leaves both lists without being freed again.
    void ForgetForm(TFormBaseView *AForm);

    // The top-menu buttons the main window built from the menu rows, in the order built. A change
    // of user takes the old ones off the bar and the new ones come after them; all go with the
    // instance.
    TObjectList<TButtonTopMenu> ListMenu;

    // The inactivity timer's handler and the logout image's action: the same-user re-login when
    // the lock is armed, else the change-of-user question.
    void Logout(QObject *Sender = nullptr);

    // Parents the component into the side area, shows it and disables the rest of the main window.
    void EnableLayoutApoio(QWidget *AComponent);
    void DesableLayoutApoio();

private:
    TApplicationZunta();

    void hideOpenForms();
    void dock(TFormBaseView *AForm);
    void bringToFront(TFormBaseView *AForm);
    void freeForm(const QString &AClassName);
    void clearTopMenu();

    std::unique_ptr<QTimer> m_timerInatividade;
    int m_inactivityInterval = InactivityInterval;
    std::unique_ptr<TEmpresaDto> m_empresaLogado;
    std::map<QString, std::unique_ptr<TFormBaseView>> m_listFormOpened;
    QList<TFormBaseView *> m_listOrderOpenedForm;
    // Watches the windows' input for the inactivity lock.
    std::unique_ptr<QObject> m_activityFilter;
};

// The Qt application object of the client (main and the tests create it). Its notify is the last
// net: a failure that escapes a handler no control event guards (a queued call, a timer) is shown
// through the application's exception handler instead of ending the process.
class TQtApplication final : public QApplication
{
public:
    TQtApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
