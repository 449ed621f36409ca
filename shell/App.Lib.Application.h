#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <memory>

class QObject;
class TItemControl;
class TUsuarioDto;

// The shell's one process-wide object: the inactivity lock and the logged-in user as the windows
// see them.
class TApplicationZunta final
{
public:
    static constexpr int InactivityInterval = 300000;

    static TApplicationZunta &GetInstance();
    // Tests: drops the instance; the next GetInstance creates a fresh one.
    static void ResetInstance();

    ~TApplicationZunta();
    TApplicationZunta(const TApplicationZunta &) = delete;
    TApplicationZunta &operator=(const TApplicationZunta &) = delete;

    // The logged-in user of the connection, or null; not owned.
    TUsuarioDto *UsuarioLogado() const;
    // True only when a user is logged in and that user's id is 1.
    bool IsUserAdminstrator() const;

    // The inactivity lock is armed (set by user activity).
    bool IsBloqueio = false;
    // Stops the timer, sets its interval (1 ms while initialising, the inactivity period
    // otherwise) and enables it when asked.
    void TimerEnable(bool AEnable, bool AIsInitializateApp);
    // Tests shorten the inactivity period (milliseconds); the default is InactivityInterval.
    void SetInactivityInterval(int AMilliseconds) { m_inactivityInterval = AMilliseconds; }
    const QTimer &TimerInatividade() const { return *m_timerInatividade; }

    // The main window's areas, set by the main window once it is built.
    QPointer<QWidget> LayoutApoio; // side area for popups and lookups
    QPointer<QWidget> LayoutPrincipal; // docking area of the view windows
    QPointer<QWidget> PanelMenu; // top panel, disabled while the side area is in use

    // Opens a view window by class name: the name is the sender's "FormClassName" property when
    // a sender is given, else AClassName. A registration window opened for a bound control gets
    // that control.
    void
    OpenForm(QObject *Sender, const QString &AClassName = {}, TItemControl *AItemControl = nullptr);

    // Parents the component into the side area, shows it and disables the rest of the main window.
    void EnableLayoutApoio(QWidget *AComponent);
    void DesableLayoutApoio();

private:
    TApplicationZunta();

    std::unique_ptr<QTimer> m_timerInatividade;
    int m_inactivityInterval = InactivityInterval;
};
