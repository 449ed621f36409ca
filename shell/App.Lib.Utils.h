#pragma once

#include "App.Lib.Message.Display.h"
#include "DateTime.h"

#include <QString>

#include <exception>
#include <functional>
#include <memory>
#include <vector>

class QObject;
class QWidget;
class TEdit;
class TImage;
class TMemTable;
class TSerializeObject;
class TVertScrollBox;

// The window side's utilities: messages, work queued for the main thread, focus, scroll boxes,
// floating captions, small text helpers, the screen scale, pictures and report files.
class TAppUtils
{
public:
    // Shows a prefixed message and returns the answer (1 OK, 6 yes, 7 no). Only
    // TDravikHandleException passes a title. From a worker thread it waits for the main thread.
    static int MessageSystem(const QString &message, const QString &titleForm = {});
    // Takes a prefixed text apart as the message window shows it.
    static TMessageRequest ParseMessage(const QString &message, const QString &titleForm = {});
    // Fails with the text as the message of the system's exception.
    [[noreturn]] static void UtilsException(const QString &text);
    // The end of a worker thread: shows the failure it ended with, if any, on the main thread.
    static void HandleTerminateThread(std::exception_ptr failure);

    // The inactivity timer is stopped while the change-of-user question or the re-login warning
    // shows; the application object installs how.
    static void SetStopInactivityTimer(std::function<void()> stop);

    // Run the procedure later on the main thread, never inside the caller; callable from any
    // thread. A failure of the procedure is shown through TDravikHandleException.
    static void DelayedExecute(const std::function<void()> &procedure);
    static void DelayedQueueExecute(const std::function<void()> &procedure);
    static void DelayedCurrentThreadExecute(const std::function<void()> &procedure);
    // Gives the control the focus later on the main thread, when it still exists and is enabled.
    static void DelayedSetFocus(QWidget *control);

    // The last step of every list loading: the table (created when inactive) is emptied and gets
    // one row per object, each property copied into the column of its snake name; then the
    // callback is queued for the main thread. No list leaves the table alone and queues nothing.
    // Runs on any thread; a value that fits no column propagates, rows posted before it stay.
    template<class T>
    static void fillListToDataSet(const std::vector<std::unique_ptr<T>> *list,
                                  TMemTable &dataSet,
                                  std::function<void()> procAfterFindByFilter)
    {
        if (!list) {
            fillObjectsToDataSet(nullptr, dataSet, std::move(procAfterFindByFilter));
            return;
        }
        std::vector<const TSerializeObject *> objects;
        objects.reserve(list->size());
        for (const auto &item : *list)
            objects.push_back(item.get());
        fillObjectsToDataSet(&objects, dataSet, std::move(procAfterFindByFilter));
    }
    static void fillObjectsToDataSet(const std::vector<const TSerializeObject *> *objects,
                                     TMemTable &dataSet,
                                     std::function<void()> procAfterFindByFilter);

    // Removes and frees every control of the scroll box's content; nothing for no box.
    static void ClearVertScroll(TVertScrollBox *scrollBox);

    // The floating caption of an edit (TEditHelper::AddFloatingLabel) rises above the empty edit
    // while the user types in it and goes back inside when it is left empty.
    static void EntraEdit(TEdit *edit);
    static void SaiEdit(TEdit *edit);

    // The trimmed text up to its first blank.
    static QString FirstName(const QString &text);
    // Every CR LF removed, twice over, so that a pair the first pass brings together goes too.
    static QString RemoveCharENTER(const QString &text);
    // The whole years since the date followed by " ANO(S)" (a year is 365.25 days); empty for
    // the date 0 or earlier.
    static QString Idade(TDateTime dataNascimento);

    // The scale of the primary screen; 1.0 without one.
    static double GetScreenScale();
    // Replaces the selection of a memo or edit by the text, focuses it and puts the caret after
    // the text; other objects are left alone.
    static void InsertTextAtCursor(QObject *component, const QString &text);
    // Shows a picture that arrives as Base64 text; raises when it is no picture.
    static void LoadQRCodeToImage(const QString &base64, TImage *image);
    // Opens a downloaded report with the desktop, then tells the person so.
    static void OpenFile(const QString &fileName);
    // Sends a text report raw to the printer in Windows-1252, each line ended by CR LF and six
    // empty lines after it, then tells the person so.
    static void PrintFileTXT(const QString &fileName);

    static const QString &ReportOpenedMessage();
};

class TEditHelper
{
public:
    // Adds the caption named "Label" followed by the edit's name, shown inside the empty edit
    // at its top, in the theme's primary colour and font.
    static void AddFloatingLabel(TEdit *edit, const QString &caption);
};
