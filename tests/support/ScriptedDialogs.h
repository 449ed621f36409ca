#pragma once

#include "App.Lib.Message.Display.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

// Answers for the person in a test: while it lives, every message, file, folder and print
// dialog, desktop opening, printing and clipboard use goes to it instead of the screen. It
// records what was shown and answers what the test scripted; nothing ever waits for a window.
//
//     ScriptedDialogs dialogs;
//     dialogs.answerQuestions({ mrYes });          // the next question is answered "SIM"
//     ... run the code ...
//     EXPECT_EQ(dialogs.messageTexts(), QStringList { "QUESTION:Remover registro?" });
//
// Messages that are not questions answer OK (1) on their own. A question, file dialog or print
// dialog that the test did not script fails the test and is answered as if cancelled (no, 7).
class ScriptedDialogs
{
public:
    struct FileDialogCall
    {
        QString Kind; // "open", "save" or "folder"
        QString Caption;
        QString Folder; // the folder or proposed file name given to the dialog
        QString Filter;
    };

    ScriptedDialogs();
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs &) = delete;
    ScriptedDialogs &operator=(const ScriptedDialogs &) = delete;

    // Messages.
    void answerQuestions(std::initializer_list<int> answers);
    void answerQuestion(int answer) { answerQuestions({ answer }); }
    // Answers every question from now on (6 or 7) instead of failing unscripted ones.
    void answerAllQuestions(int answer);
    // Runs for every message before it is answered; its result, when not 0, is the answer (for
    // tests that look at the windows while the message "shows").
    void onMessage(std::function<int(const TMessageRequest &)> handler);
    const std::vector<TMessageRequest> &messages() const;
    // The texts as the callers gave them (prefix included), in order.
    QStringList messageTexts() const;
    // The texts as the window shows them.
    QStringList shownTexts() const;
    const TMessageRequest &lastMessage() const;
    void clearMessages();

    // File, folder and print dialogs: the next answers of each kind (an empty text cancels).
    void chooseOpenFile(const QString &fileName);
    void chooseSaveFile(const QString &fileName);
    void chooseFolder(const QString &folder);
    void confirmPrint(bool confirmed);
    const std::vector<FileDialogCall> &fileDialogs() const;
    int printDialogs() const;

    // Desktop, printing, clipboard.
    const QList<QUrl> &openedUrls() const;
    const QStringList &printedFiles() const;
    const QList<QByteArray> &rawPrints() const;
    // The next prints fail with this message (empty: they succeed again).
    void failPrinting(const QString &message);
    QString clipboardText() const;
    void setClipboardText(const QString &text);

    struct State;

private:
    std::shared_ptr<State> m_state;
    std::unique_ptr<TMessageDisplay> m_previousMessages;
    std::unique_ptr<TFileDialogs> m_previousFiles;
    std::unique_ptr<TPrintDialogs> m_previousPrintDialogs;
    std::unique_ptr<TDesktopServices> m_previousDesktop;
    std::unique_ptr<TPrinting> m_previousPrinting;
    std::unique_ptr<TClipboard> m_previousClipboard;
};
