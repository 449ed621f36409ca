#pragma once

#include <QString>

#include <exception>
#include <functional>

// Shows failures that reach a window: takes off the "<Form:" title tag, turns three database
// texts of the back end into user texts, and shows the result through TAppUtils.MessageSystem.
class TDravikHandleException
{
public:
    static int Handle(const QString &message);
    // The failure's message (the system's Exception, any standard exception).
    static int Handle(std::exception_ptr failure);
    static QString MessageOf(std::exception_ptr failure);

    // Runs a handler and shows its failure here: no failure crosses a Qt event handler.
    static void Guard(const std::function<void()> &action);
    // Makes this the application's net for failures caught in the controls' events.
    static void InstallApplicationHandler();

    struct TTagged
    {
        QString Title;
        QString Message;
    };
    // "<Form:" title ">" message: the innermost tag's title; no tag leaves the text as it came.
    static TTagged SplitTitleTag(const QString &text);
    // The user text for the back end's duplicate-key, foreign-key-on-delete and null-column
    // texts; any other text unchanged.
    static QString TranslateDatabaseText(const QString &message);
};
