#pragma once

#include "App.Lib.FormScreen.h"

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>

// Plays the person at the program's modal windows (the login, the password change) while it
// lives: each window shown modally is shown offscreen and handed to the next scripted step, which
// drives its controls and returns; nothing waits. A step may leave its window open: the caller
// shows it again and the next step gets it (the login loop). A window shown with no step left, or
// with a step for another window, fails the test and is closed through closeUnscripted, so no
// loop runs for ever.
//
//     ModalScript script;
//     script.then<TFormLogin>("TFormLogin", [](TFormLogin &login) { ... type, click ... });
class ModalScript
{
public:
    // How a window without a step is closed (the login is cancelled, any other just closed).
    using TCloser = std::function<void(QWidget *AForm)>;

    explicit ModalScript(TCloser closeUnscripted = {})
        : m_closeUnscripted(std::move(closeUnscripted))
    {
        m_previous = SetModalRunner([this](QWidget *AForm) { run(AForm); });
    }
    ~ModalScript() { SetModalRunner(std::move(m_previous)); }
    ModalScript(const ModalScript &) = delete;
    ModalScript &operator=(const ModalScript &) = delete;

    // The next window shown must be the F whose object name (its class name) is given.
    template<class F>
    ModalScript &then(const QString &className, std::function<void(F &)> step)
    {
        m_steps.push_back(
            { className, [step](QWidget *AForm) { step(*static_cast<F *>(AForm)); } });
        return *this;
    }

    bool done() const { return m_steps.empty(); }
    // The class names of the windows shown, in order.
    const QStringList &shown() const { return m_shown; }

private:
    struct Step
    {
        QString ClassName;
        std::function<void(QWidget *)> Action;
    };

    void run(QWidget *AForm)
    {
        m_shown << AForm->objectName();
        AForm->show();
        if (m_steps.empty() || m_steps.front().ClassName != AForm->objectName()) {
            ADD_FAILURE() << "unscripted modal window " << AForm->objectName().toStdString();
            if (m_closeUnscripted)
                m_closeUnscripted(AForm);
            else
                AForm->close();
            return;
        }
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        step.Action(AForm);
    }

    TCloser m_closeUnscripted;
    TModalRunner m_previous;
    std::deque<Step> m_steps;
    QStringList m_shown;
};
