// Compiled into every test executable: outside a ScriptedDialogs, a message, dialog, desktop
// opening or print fails the test at once instead of opening a window that nobody closes (or
// reaching a real printer).

#include "App.Lib.Message.Display.h"

#include <gtest/gtest.h>

namespace {

class RefusingMessages final : public TMessageDisplay
{
public:
    int Show(const TMessageRequest &request) override
    {
        ADD_FAILURE() << "Message shown without ScriptedDialogs: " << request.Message.toStdString();
        return request.Kind == TMessageType::mtQuestion ? mrNo : mrOk;
    }
};

class RefusingFiles final : public TFileDialogs
{
public:
    QString OpenFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        ADD_FAILURE() << "File dialog opened without ScriptedDialogs";
        return QString();
    }
    QString SaveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        ADD_FAILURE() << "File dialog opened without ScriptedDialogs";
        return QString();
    }
    QString FolderName(QWidget *, const QString &, const QString &) override
    {
        ADD_FAILURE() << "Folder dialog opened without ScriptedDialogs";
        return QString();
    }
};

class RefusingPrintDialogs final : public TPrintDialogs
{
public:
    bool Execute(QPrinter &, QWidget *) override
    {
        ADD_FAILURE() << "Print dialog opened without ScriptedDialogs";
        return false;
    }
};

class RefusingDesktop final : public TDesktopServices
{
public:
    bool OpenUrl(const QUrl &url) override
    {
        ADD_FAILURE() << "Desktop asked to open " << url.toString().toStdString()
                      << " without ScriptedDialogs";
        return false;
    }
};

class RefusingPrinting final : public TPrinting
{
public:
    void PrintFile(const QString &fileName) override
    {
        ADD_FAILURE() << "Printing " << fileName.toStdString() << " without ScriptedDialogs";
    }
    void PrintRaw(const QByteArray &) override
    {
        ADD_FAILURE() << "Raw printing without ScriptedDialogs";
    }
};

class DialogGuard final : public ::testing::Environment
{
public:
    void SetUp() override
    {
        TMessageDisplay::Install(std::make_unique<RefusingMessages>());
        TFileDialogs::Install(std::make_unique<RefusingFiles>());
        TPrintDialogs::Install(std::make_unique<RefusingPrintDialogs>());
        TDesktopServices::Install(std::make_unique<RefusingDesktop>());
        TPrinting::Install(std::make_unique<RefusingPrinting>());
    }
    void TearDown() override
    {
        TMessageDisplay::Install(nullptr);
        TFileDialogs::Install(nullptr);
        TPrintDialogs::Install(nullptr);
        TDesktopServices::Install(nullptr);
        TPrinting::Install(nullptr);
    }
};

[[maybe_unused]] ::testing::Environment *const guard
    = ::testing::AddGlobalTestEnvironment(new DialogGuard);

} // namespace
