#pragma once

#include <QChar>
#include <QObject>

#include <exception>
#include <functional>

// The event properties of the controls, as the forms assign them: one handler per event, which
// code may read, keep and replace (a binding keeps the control's own handler and calls it after
// its own). The sender is the control that raised the event.
using TNotifyEvent = std::function<void(QObject *Sender)>;
// Key is the virtual-key number for keys without a character (vkReturn, vkEscape ...) and 0 for
// a typed character, which comes in KeyChar. A handler that sets both to 0 swallows the key.
using TKeyEvent
    = std::function<void(QObject *Sender, int &Key, QChar &KeyChar, Qt::KeyboardModifiers Shift)>;

// The virtual-key numbers the system tests for.
constexpr int vkBack = 8;
constexpr int vkTab = 9;
constexpr int vkReturn = 13;
constexpr int vkEscape = 27;
constexpr int vkLeft = 37;
constexpr int vkUp = 38;
constexpr int vkRight = 39;
constexpr int vkDown = 40;
constexpr int vkDelete = 46;

// The virtual-key number of a Qt key, 0 when the key is a plain character.
int VirtualKeyOf(int qtKey);

// Runs an event handler from inside a Qt event. Qt does not unwind through its event loop, so a
// failure is caught here and handed to the application's exception handler.
void RunEvent(const TNotifyEvent &event, QObject *sender);
void RunGuarded(const std::function<void()> &action);

// The application's last net for failures caught by RunEvent/RunGuarded. The shell installs the
// one that shows the message window; until then failures are written to the log. Returns the
// handler it replaces.
using TApplicationExceptionHandler = std::function<void(std::exception_ptr failure)>;
TApplicationExceptionHandler SetApplicationExceptionHandler(TApplicationExceptionHandler handler);
void HandleApplicationException(std::exception_ptr failure);
