#include "Events.h"

#include "SysUtils.h"

#include <QtDebug>

#include <mutex>

namespace {

std::mutex handlerMutex;
TApplicationExceptionHandler applicationHandler;

} // namespace

int VirtualKeyOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Backspace:
        return vkBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return vkTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vkReturn;
    case Qt::Key_Escape:
        return vkEscape;
    case Qt::Key_Left:
        return vkLeft;
    case Qt::Key_Up:
        return vkUp;
    case Qt::Key_Right:
        return vkRight;
    case Qt::Key_Down:
        return vkDown;
    case Qt::Key_Delete:
        return vkDelete;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_End:
        return 35;
    default:
        break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    return 0;
}

void RunEvent(const TNotifyEvent &event, QObject *sender)
{
    if (!event)
        return;
    RunGuarded([&] { event(sender); });
}

void RunGuarded(const std::function<void()> &action)
{
    try {
        action();
    } catch (...) {
        HandleApplicationException(std::current_exception());
    }
}

TApplicationExceptionHandler SetApplicationExceptionHandler(TApplicationExceptionHandler handler)
{
    std::lock_guard lock(handlerMutex);
    std::swap(applicationHandler, handler);
    return handler;
}

void HandleApplicationException(std::exception_ptr failure)
{
    if (!failure)
        return;
    TApplicationExceptionHandler handler;
    {
        std::lock_guard lock(handlerMutex);
        handler = applicationHandler;
    }
    if (handler) {
        try {
            handler(failure);
            return;
        } catch (...) {
            failure = std::current_exception();
        }
    }
    qWarning().noquote() << "Unhandled failure:"
                         << ExceptionMessage(failure, QStringLiteral("Unknown failure"));
}
