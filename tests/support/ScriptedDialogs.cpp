#include "ScriptedDialogs.h"

#include "SysUtils.h"

#include <gtest/gtest.h>

struct ScriptedDialogs::State
{
    std::vector<TMessageRequest> Messages;
    std::deque<int> Answers;
    int AnswerAll = 0;
    std::function<int(const TMessageRequest &)> Handler;

    std::deque<QString> OpenFiles;
    std::deque<QString> SaveFiles;
    std::deque<QString> Folders;
    std::deque<bool> Prints;
    std::vector<FileDialogCall> FileDialogs;
    int PrintDialogCount = 0;

    QList<QUrl> Urls;
    QStringList PrintedFiles;
    QList<QByteArray> RawPrints;
    QString PrintFailure;
    QString Clipboard;
};

namespace {

using State = ScriptedDialogs::State;

class ScriptedMessages final : public TMessageDisplay
{
public:
    explicit ScriptedMessages(std::shared_ptr<State> state)
        : m_state(std::move(state))
    { }

    int Show(const TMessageRequest &request) override
    {
        m_state->Messages.push_back(request);
        if (m_state->Handler) {
            if (const int answer = m_state->Handler(request))
                return answer;
        }
        if (request.Kind != TMessageType::mtQuestion)
            return mrOk;
        if (!m_state->Answers.empty()) {
            const int answer = m_state->Answers.front();
            m_state->Answers.pop_front();
            return answer;
        }
        if (m_state->AnswerAll)
            return m_state->AnswerAll;
        ADD_FAILURE() << "Unscripted question: " << request.Message.toStdString();
        return mrNo;
    }

private:
    std::shared_ptr<State> m_state;
};

QString nextAnswer(std::deque<QString> &answers, const char *kind)
{
    if (answers.empty()) {
        ADD_FAILURE() << "Unscripted " << kind << " dialog";
        return QString();
    }
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

class ScriptedFiles final : public TFileDialogs
{
public:
    explicit ScriptedFiles(std::shared_ptr<State> state)
        : m_state(std::move(state))
    { }

    QString OpenFileName(QWidget *,
                         const QString &caption,
                         const QString &folder,
                         const QString &filter) override
    {
        m_state->FileDialogs.push_back({ QStringLiteral("open"), caption, folder, filter });
        return nextAnswer(m_state->OpenFiles, "open-file");
    }
    QString SaveFileName(QWidget *,
                         const QString &caption,
                         const QString &fileName,
                         const QString &filter) override
    {
        m_state->FileDialogs.push_back({ QStringLiteral("save"), caption, fileName, filter });
        return nextAnswer(m_state->SaveFiles, "save-file");
    }
    QString FolderName(QWidget *, const QString &caption, const QString &folder) override
    {
        m_state->FileDialogs.push_back({ QStringLiteral("folder"), caption, folder, QString() });
        return nextAnswer(m_state->Folders, "folder");
    }

private:
    std::shared_ptr<State> m_state;
};

class ScriptedPrintDialogs final : public TPrintDialogs
{
public:
    explicit ScriptedPrintDialogs(std::shared_ptr<State> state)
        : m_state(std::move(state))
    { }

    bool Execute(QPrinter &, QWidget *) override
    {
        ++m_state->PrintDialogCount;
        if (m_state->Prints.empty()) {
            ADD_FAILURE() << "Unscripted print dialog";
            return false;
        }
        const bool confirmed = m_state->Prints.front();
        m_state->Prints.pop_front();
        return confirmed;
    }

private:
    std::shared_ptr<State> m_state;
};

class ScriptedDesktop final : public TDesktopServices
{
public:
    explicit ScriptedDesktop(std::shared_ptr<State> state)
        : m_state(std::move(state))
    { }

    bool OpenUrl(const QUrl &url) override
    {
        m_state->Urls.append(url);
        return true;
    }

private:
    std::shared_ptr<State> m_state;
};

class ScriptedPrinting final : public TPrinting
{
public:
    explicit ScriptedPrinting(std::shared_ptr<State> state)
        : m_state(std::move(state))
    { }

    void PrintFile(const QString &fileName) override
    {
        if (!m_state->PrintFailure.isEmpty())
            throw Exception(m_state->PrintFailure);
        m_state->PrintedFiles.append(fileName);
    }
    void PrintRaw(const QByteArray &bytes) override
    {
        if (!m_state->PrintFailure.isEmpty())
            throw Exception(m_state->PrintFailure);
        m_state->RawPrints.append(bytes);
    }

private:
    std::shared_ptr<State> m_state;
};

class ScriptedClipboard final : public TClipboard
{
public:
    explicit ScriptedClipboard(std::shared_ptr<State> state)
        : m_state(std::move(state))
    { }

    void SetText(const QString &text) override { m_state->Clipboard = text; }
    QString Text() override { return m_state->Clipboard; }

private:
    std::shared_ptr<State> m_state;
};

} // namespace

ScriptedDialogs::ScriptedDialogs()
    : m_state(std::make_shared<State>())
{
    m_previousMessages = TMessageDisplay::Install(std::make_unique<ScriptedMessages>(m_state));
    m_previousFiles = TFileDialogs::Install(std::make_unique<ScriptedFiles>(m_state));
    m_previousPrintDialogs
        = TPrintDialogs::Install(std::make_unique<ScriptedPrintDialogs>(m_state));
    m_previousDesktop = TDesktopServices::Install(std::make_unique<ScriptedDesktop>(m_state));
    m_previousPrinting = TPrinting::Install(std::make_unique<ScriptedPrinting>(m_state));
    m_previousClipboard = TClipboard::Install(std::make_unique<ScriptedClipboard>(m_state));
}

ScriptedDialogs::~ScriptedDialogs()
{
    TMessageDisplay::Install(std::move(m_previousMessages));
    TFileDialogs::Install(std::move(m_previousFiles));
    TPrintDialogs::Install(std::move(m_previousPrintDialogs));
    TDesktopServices::Install(std::move(m_previousDesktop));
    TPrinting::Install(std::move(m_previousPrinting));
    TClipboard::Install(std::move(m_previousClipboard));
}

void ScriptedDialogs::answerQuestions(std::initializer_list<int> answers)
{
    m_state->Answers.insert(m_state->Answers.end(), answers.begin(), answers.end());
}

void ScriptedDialogs::answerAllQuestions(int answer)
{
    m_state->AnswerAll = answer;
}

void ScriptedDialogs::onMessage(std::function<int(const TMessageRequest &)> handler)
{
    m_state->Handler = std::move(handler);
}

const std::vector<TMessageRequest> &ScriptedDialogs::messages() const
{
    return m_state->Messages;
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const TMessageRequest &request : m_state->Messages)
        texts.append(request.Message);
    return texts;
}

QStringList ScriptedDialogs::shownTexts() const
{
    QStringList texts;
    for (const TMessageRequest &request : m_state->Messages)
        texts.append(request.Text);
    return texts;
}

const TMessageRequest &ScriptedDialogs::lastMessage() const
{
    static const TMessageRequest none;
    if (m_state->Messages.empty()) {
        ADD_FAILURE() << "No message was shown";
        return none;
    }
    return m_state->Messages.back();
}

void ScriptedDialogs::clearMessages()
{
    m_state->Messages.clear();
}

void ScriptedDialogs::chooseOpenFile(const QString &fileName)
{
    m_state->OpenFiles.push_back(fileName);
}

void ScriptedDialogs::chooseSaveFile(const QString &fileName)
{
    m_state->SaveFiles.push_back(fileName);
}

void ScriptedDialogs::chooseFolder(const QString &folder)
{
    m_state->Folders.push_back(folder);
}

void ScriptedDialogs::confirmPrint(bool confirmed)
{
    m_state->Prints.push_back(confirmed);
}

const std::vector<ScriptedDialogs::FileDialogCall> &ScriptedDialogs::fileDialogs() const
{
    return m_state->FileDialogs;
}

int ScriptedDialogs::printDialogs() const
{
    return m_state->PrintDialogCount;
}

const QList<QUrl> &ScriptedDialogs::openedUrls() const
{
    return m_state->Urls;
}

const QStringList &ScriptedDialogs::printedFiles() const
{
    return m_state->PrintedFiles;
}

const QList<QByteArray> &ScriptedDialogs::rawPrints() const
{
    return m_state->RawPrints;
}

void ScriptedDialogs::failPrinting(const QString &message)
{
    m_state->PrintFailure = message;
}

QString ScriptedDialogs::clipboardText() const
{
    return m_state->Clipboard;
}

void ScriptedDialogs::setClipboardText(const QString &text)
{
    m_state->Clipboard = text;
}
