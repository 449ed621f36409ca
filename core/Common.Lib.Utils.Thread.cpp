// Worker threads: the work on a worker, its other steps on the main thread.

#include "Common.Lib.Utils.h"

#include "SysUtils.h"

#include <QCoreApplication>
#include <QThread>
#include <QtDebug>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// --- Worker threads --------------------------------------------------------------------------

QString TWorkerThread::FatalMessage() const
{
    if (!m_fatal)
        return QString();
    return ExceptionMessage(m_fatal, QStringLiteral("Unknown failure"));
}

namespace {

// Thrown on a worker when the main thread no longer serves its steps (the application is
// quitting): the worker ends without running any further main-thread step. Deliberately not a
// std::exception, so no step guard takes it for a failure.
struct StepsCancelled
{
};

enum class CallState { Pending, Running, Done, Cancelled };

// One main-thread step a worker is waiting for.
struct MainCall
{
    std::function<void()> step;
    CallState state = CallState::Pending;
    std::exception_ptr failure;
};

bool onMainThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

// The live workers and the main-thread steps they wait for. It is never destroyed, so a worker
// still running when the process ends never touches a dead object.
class WorkerRegistry
{
public:
    static WorkerRegistry &instance()
    {
        static WorkerRegistry *registry = new WorkerRegistry;
        return *registry;
    }

    bool enter()
    {
        const std::lock_guard lock(m_mutex);
        if (m_closing)
            return false;
        ++m_live;
        return true;
    }

    void leave()
    {
        {
            const std::lock_guard lock(m_mutex);
            --m_live;
        }
        m_changed.notify_all();
    }

    // Runs the step on the main thread while the calling worker waits; rethrows its failure.
    // On the main thread itself the step runs at once: waiting for our own event loop would
    // never end.
    void runOnMain(const std::function<void()> &step)
    {
        if (onMainThread()) {
            step();
            return;
        }
        auto call = std::make_shared<MainCall>();
        call->step = step;
        {
            const std::lock_guard lock(m_mutex);
            if (m_closing)
                throw StepsCancelled();
            m_pending.push_back(call);
        }
        QCoreApplication *app = QCoreApplication::instance();
        if (!app
            || !QMetaObject::invokeMethod(
                app, [this, call] { serve(call); }, Qt::QueuedConnection)) {
            cancel(call);
            throw StepsCancelled();
        }
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] {
            return call->state == CallState::Done || call->state == CallState::Cancelled;
        });
        if (call->state == CallState::Cancelled)
            throw StepsCancelled();
        if (call->failure)
            std::rethrow_exception(call->failure);
    }

    bool shutdown(int timeoutMs)
    {
        std::unique_lock lock(m_mutex);
        m_closing = true;
        for (const auto &call : m_pending)
            call->state = CallState::Cancelled;
        m_pending.clear();
        m_changed.notify_all();
        return m_changed.wait_for(
            lock, std::chrono::milliseconds(std::max(timeoutMs, 0)), [&] { return m_live == 0; });
    }

    void reopen()
    {
        const std::lock_guard lock(m_mutex);
        m_closing = false;
    }

    int live()
    {
        const std::lock_guard lock(m_mutex);
        return m_live;
    }

    void setFailureHandler(TThreadFailureHandler handler)
    {
        const std::lock_guard lock(m_mutex);
        m_failureHandler = std::move(handler);
    }

    // On the main thread. A failure of the handler itself can only be logged.
    void reportFailure(const TWorkerThread &sender)
    {
        TThreadFailureHandler handler;
        {
            const std::lock_guard lock(m_mutex);
            handler = m_failureHandler;
        }
        try {
            if (handler) {
                handler(sender);
                return;
            }
        } catch (...) {
            qWarning("Worker thread failure handler failed");
        }
        qWarning("Worker thread failed: %s", qUtf8Printable(sender.FatalMessage()));
    }

    void quitWithApplication()
    {
        std::call_once(m_quitConnected, [] {
            if (QCoreApplication *app = QCoreApplication::instance())
                QObject::connect(
                    app, &QCoreApplication::aboutToQuit, app, [] { TUtils::ShutdownThreads(); });
        });
    }

private:
    void serve(const std::shared_ptr<MainCall> &call)
    {
        {
            const std::lock_guard lock(m_mutex);
            if (call->state != CallState::Pending)
                return;
            call->state = CallState::Running;
            std::erase(m_pending, call);
        }
        try {
            call->step();
        } catch (...) {
            call->failure = std::current_exception();
        }
        {
            const std::lock_guard lock(m_mutex);
            call->state = CallState::Done;
        }
        m_changed.notify_all();
    }

    void cancel(const std::shared_ptr<MainCall> &call)
    {
        const std::lock_guard lock(m_mutex);
        call->state = CallState::Cancelled;
        std::erase(m_pending, call);
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_live = 0;
    bool m_closing = false;
    std::vector<std::shared_ptr<MainCall>> m_pending;
    TThreadFailureHandler m_failureHandler;
    std::once_flag m_quitConnected;
};

QString messageOf(const std::exception &e)
{
    if (const auto *own = dynamic_cast<const Exception *>(&e))
        return own->Message();
    return QString::fromUtf8(e.what());
}

} // namespace

// The body of one worker: its steps, its error flag and its thread object.
class TWorkerRun
{
public:
    TProc OnStart;
    TProc OnProcess;
    TProcWithError OnComplete;
    TThreadNotifyEvent OnTerminate;
    TProcedureExcept OnError;
    QString MessageErrorDefault;

    void run()
    {
        WorkerRegistry &registry = WorkerRegistry::instance();
        bool errorRan = false; // written by the error step, read by the completion step
        bool cancelled = false;
        std::exception_ptr fatal;
        try {
            try {
                if (OnStart)
                    registry.runOnMain([this] { OnStart(); });
                if (OnProcess)
                    OnProcess();
            } catch (const StepsCancelled &) {
                throw;
            } catch (const std::exception &e) {
                if (OnError) {
                    const QString message
                        = MessageErrorDefault.isEmpty() ? messageOf(e) : MessageErrorDefault;
                    registry.runOnMain([&] {
                        errorRan = true;
                        OnError(message);
                    });
                } else {
                    // Nobody handles it: it must not pass for a success.
                    fatal = std::current_exception();
                }
            }
        } catch (const StepsCancelled &) {
            cancelled = true;
        } catch (...) {
            fatal = std::current_exception();
        }

        if (!cancelled && OnComplete) {
            try {
                registry.runOnMain([&] { OnComplete(errorRan); });
            } catch (const StepsCancelled &) {
                cancelled = true;
            } catch (...) {
                fatal = std::current_exception();
            }
        }

        m_thread.m_fatal = fatal;
        if (!cancelled) {
            try {
                registry.runOnMain([this] { terminate(); });
            } catch (const StepsCancelled &) {
                cancelled = true;
            }
        }
        if (cancelled && fatal)
            qWarning("Worker thread failed while the application quit: %s",
                     qUtf8Printable(m_thread.FatalMessage()));
    }

private:
    // On the main thread. The steps' captures are released here too, so whatever they hold is
    // freed on the thread that made it.
    void terminate()
    {
        WorkerRegistry &registry = WorkerRegistry::instance();
        if (OnTerminate) {
            try {
                OnTerminate(m_thread);
            } catch (...) {
                m_thread.m_fatal = std::current_exception();
                registry.reportFailure(m_thread);
            }
        } else if (m_thread.m_fatal) {
            registry.reportFailure(m_thread);
        }
        OnStart = nullptr;
        OnProcess = nullptr;
        OnComplete = nullptr;
        OnTerminate = nullptr;
        OnError = nullptr;
    }

    TWorkerThread m_thread;
};

void TUtils::CustomThread(TProc AOnStart,
                          TProc AOnProcess,
                          TProcWithError AOnComplete,
                          TThreadNotifyEvent AOnTerminateThread,
                          TProcedureExcept AOnError,
                          const QString &AMessageErrorDefault)
{
    WorkerRegistry &registry = WorkerRegistry::instance();
    registry.quitWithApplication();
    if (!registry.enter())
        return;
    auto run = std::make_unique<TWorkerRun>();
    run->OnStart = std::move(AOnStart);
    run->OnProcess = std::move(AOnProcess);
    run->OnComplete = std::move(AOnComplete);
    run->OnTerminate = std::move(AOnTerminateThread);
    run->OnError = std::move(AOnError);
    run->MessageErrorDefault = AMessageErrorDefault;
    try {
        std::thread([run = std::move(run)]() mutable {
            run->run();
            run.reset();
            WorkerRegistry::instance().leave();
        }).detach();
    } catch (...) {
        registry.leave();
        throw;
    }
}

void TUtils::SetThreadFailureHandler(TThreadFailureHandler AHandler)
{
    WorkerRegistry::instance().setFailureHandler(std::move(AHandler));
}

bool TUtils::ShutdownThreads(int ATimeoutMs)
{
    return WorkerRegistry::instance().shutdown(ATimeoutMs);
}

int TUtils::RunningThreadCount()
{
    return WorkerRegistry::instance().live();
}

void TUtils::AcceptThreads()
{
    WorkerRegistry::instance().reopen();
}
