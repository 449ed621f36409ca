#include "App.Lib.Utils.h"

#include "Edit.h"
#include "Image.h"
#include "Label.h"
#include "Layouts.h"
#include "Memo.h"
#include "ScrollBox.h"
#include "ScriptedDialogs.h"
#include "SysUtils.h"
#include "App.Lib.Theme.h"
#include "WaitFor.h"

#include <QApplication>
#include <QBuffer>
#include <QPointer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

struct MessageRow
{
    const char *Name;
    QString Message;
    TMessageType Kind;
    QString Text;
    QString FileLog;
};

void PrintTo(const MessageRow &row, std::ostream *out)
{
    *out << row.Name;
}

const MessageRow messageRows[] = {
    { "WarningThenQuestion",
      QStringLiteral("WARNING:QUESTION:x"),
      TMessageType::mtInformation,
      QStringLiteral("x"),
      {} },
    { "QuestionThenWarning",
      QStringLiteral("QUESTION:WARNING:x"),
      TMessageType::mtQuestion,
      QStringLiteral("x"),
      {} },
    { "ErrorThenWarning",
      QStringLiteral("ERROR:WARNING:x"),
      TMessageType::mtError,
      QStringLiteral("x"),
      {} },
    { "BlankBeforePrefix",
      QStringLiteral(" WARNING:x"),
      TMessageType::mtError,
      QStringLiteral(" x"),
      {} },
    { "LowerCasePrefix",
      QStringLiteral("warning:x"),
      TMessageType::mtError,
      QStringLiteral("warning:x"),
      {} },
    { "NoPrefix",
      QStringLiteral("Erro inesperado"),
      TMessageType::mtError,
      QStringLiteral("Erro inesperado"),
      {} },
    { "Empty", QString(), TMessageType::mtError, QString(), {} },
    { "SuccessWithoutColon",
      QStringLiteral("SUCCESSO relatório se encontra aberto em um programa externo.\r\nAo "
                     "finalizar esse programa, clique em [OK]."),
      TMessageType::mtSuccess,
      QStringLiteral("O relatório se encontra aberto em um programa externo.\r\nAo finalizar "
                     "esse programa, clique em [OK]."),
      {} },
    { "EveryPrefixRemovedWherever",
      QStringLiteral("WARNING:a\r\nERROR:b SUCCESS c QUESTION:d"),
      TMessageType::mtInformation,
      QStringLiteral("a\r\nb  c d"),
      {} },
    { "FileLogShownApart",
      QStringLiteral("ERROR:Falhou ao gravar.\r\nFile Log: /var/log/z.log\r\n"),
      TMessageType::mtError,
      QStringLiteral("Falhou ao gravar.\r\n"),
      QStringLiteral("File Log: /var/log/z.log") },
    { "HiddenPartCut",
      QStringLiteral("ERROR:Servidor indisponível no momento. IDU:Timeout 42"),
      TMessageType::mtError,
      QStringLiteral("Servidor indisponível no momento. "),
      {} },
    { "HiddenPartBeforeFileLog",
      QStringLiteral("ERROR:x IDU:9 File Log:/tmp/a"),
      TMessageType::mtError,
      QStringLiteral("x "),
      {} },
    { "FileLogBeforeHiddenPart",
      QStringLiteral("ERROR:x File Log:/tmp/a IDU:5"),
      TMessageType::mtError,
      QStringLiteral("x "),
      QStringLiteral("File Log:/tmp/a") },
    { "TitleTagIsPlainTextHere",
      QStringLiteral("<Form:Dependentes>ERROR:x"),
      TMessageType::mtError,
      QStringLiteral("<Form:Dependentes>x"),
      {} },
    { "FormatWithOneS",
      Format(QStringLiteral("QUESTION:Confirma gerar %s?"), { QStringLiteral("as cobranças") }),
      TMessageType::mtQuestion,
      QStringLiteral("Confirma gerar as cobranças?"),
      {} },
};

class MessageSystemTableTest : public ::testing::TestWithParam<MessageRow>
{
};

TEST_P(MessageSystemTableTest, ShowsTheKindAndTheTextWithoutPrefixes)
{
    ScriptedDialogs dialogs;
    const MessageRow &row = GetParam();
    dialogs.answerAllQuestions(mrYes);
    const int answer = TAppUtils::MessageSystem(row.Message);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const TMessageRequest &shown = dialogs.lastMessage();
    EXPECT_EQ(shown.Message, row.Message);
    EXPECT_EQ(shown.Kind, row.Kind);
    EXPECT_EQ(shown.Text, row.Text);
    EXPECT_EQ(shown.FileLog, row.FileLog);
    EXPECT_EQ(shown.TitleForm, QString());
    EXPECT_FALSE(shown.IsInitializateApp);
    EXPECT_EQ(answer, row.Kind == TMessageType::mtQuestion ? mrYes : mrOk);
}

INSTANTIATE_TEST_SUITE_P(Messages,
                         MessageSystemTableTest,
                         ::testing::ValuesIn(messageRows),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST(MessageSystemTest, ReturnsThePersonsAnswer)
{
    ScriptedDialogs dialogs;
    dialogs.answerQuestions({ mrYes, mrNo });
    EXPECT_EQ(TAppUtils::MessageSystem(QStringLiteral("WARNING:aviso")), mrOk);
    EXPECT_EQ(TAppUtils::MessageSystem(QStringLiteral("QUESTION:Remover registro?")), mrYes);
    EXPECT_EQ(TAppUtils::MessageSystem(QStringLiteral("QUESTION:Remover registro?")), mrNo);
    EXPECT_EQ(dialogs.messages().at(1).Caption(), QStringLiteral("Confirmação"));
}

TEST(MessageSystemTest, ChangeOfUserQuestionStopsTheInactivityTimer)
{
    ScriptedDialogs dialogs;
    dialogs.answerAllQuestions(mrNo);
    int stops = 0;
    TAppUtils::SetStopInactivityTimer([&] { ++stops; });
    TAppUtils::MessageSystem(QStringLiteral("QUESTION:Deseja alterar o usuário logado?"));
    TAppUtils::MessageSystem(QStringLiteral(
        "WARNING:Logue com o usuário utilizado anteriormente e efetue o logout\r\npara logar com "
        "um novo usuário."));
    TAppUtils::MessageSystem(QStringLiteral("QUESTION:Deseja encerrar o sistema?"));
    TAppUtils::SetStopInactivityTimer({});
    EXPECT_EQ(stops, 2);
    EXPECT_TRUE(dialogs.messages().at(0).IsInitializateApp);
    EXPECT_TRUE(dialogs.messages().at(1).IsInitializateApp);
    EXPECT_FALSE(dialogs.messages().at(2).IsInitializateApp);
}

TEST(MessageSystemTest, FromAWorkerWaitsForTheMainThread)
{
    ScriptedDialogs dialogs;
    dialogs.answerQuestion(mrYes);
    std::atomic<int> answer { 0 };
    Qt::HANDLE shownOn = nullptr;
    dialogs.onMessage([&](const TMessageRequest &) {
        shownOn = QThread::currentThreadId();
        return 0;
    });
    std::thread worker([&] { answer = TAppUtils::MessageSystem(QStringLiteral("QUESTION:ok?")); });
    EXPECT_TRUE(waitFor([&] { return answer.load() != 0; }));
    worker.join();
    EXPECT_EQ(answer.load(), mrYes);
    EXPECT_EQ(shownOn, QThread::currentThreadId());
}

TEST(UtilsExceptionTest, RaisesTheTextAsTheMessage)
{
    try {
        TAppUtils::UtilsException(QStringLiteral("WARNING:Informações não localizadas."));
        FAIL();
    } catch (const Exception &error) {
        EXPECT_EQ(error.Message(), QStringLiteral("WARNING:Informações não localizadas."));
    }
}

TEST(DelayedExecuteTest, RunsLaterOnTheMainThreadNeverInsideTheCaller)
{
    ScriptedDialogs dialogs;
    QStringList order;
    TAppUtils::DelayedCurrentThreadExecute([&] { order << QStringLiteral("current-thread"); });
    TAppUtils::DelayedExecute([&] { order << QStringLiteral("delayed"); });
    order << QStringLiteral("caller");
    EXPECT_EQ(order, QStringList { QStringLiteral("caller") });
    EXPECT_TRUE(waitFor([&] { return order.size() == 3; }));
    EXPECT_EQ(order,
              (QStringList { QStringLiteral("caller"),
                             QStringLiteral("current-thread"),
                             QStringLiteral("delayed") }));

    // From a worker the procedure runs on the main thread while the worker goes on.
    std::atomic<bool> ran { false };
    Qt::HANDLE ranOn = nullptr;
    std::thread worker([&] {
        TAppUtils::DelayedCurrentThreadExecute([&] {
            ranOn = QThread::currentThreadId();
            ran = true;
        });
    });
    worker.join();
    EXPECT_FALSE(ran.load());
    EXPECT_TRUE(waitFor([&] { return ran.load(); }));
    EXPECT_EQ(ranOn, QThread::currentThreadId());

    // A failing procedure is shown, not thrown into the event loop.
    TAppUtils::DelayedExecute([] { TAppUtils::UtilsException(QStringLiteral("WARNING:falhou")); });
    EXPECT_TRUE(waitFor([&] { return !dialogs.messages().empty(); }));
    EXPECT_EQ(dialogs.lastMessage().Message, QStringLiteral("WARNING:falhou"));
}

TEST(DelayedSetFocusTest, FocusesOnlyAnEnabledControlThatStillExists)
{
    TLayout window;
    window.resize(200, 100);
    auto *first = new TEdit(&window, QStringLiteral("EditNome"));
    auto *second = new TEdit(&window, QStringLiteral("EditCodigo"));
    second->move(0, 40);
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    first->setFocus();
    second->setEnabled(false);
    TAppUtils::DelayedSetFocus(second);
    auto *doomed = new TEdit(&window);
    TAppUtils::DelayedSetFocus(doomed);
    delete doomed;
    QApplication::processEvents();
    EXPECT_FALSE(second->hasFocus());
    second->setEnabled(true);
    TAppUtils::DelayedSetFocus(second);
    EXPECT_FALSE(second->hasFocus());
    EXPECT_TRUE(waitFor([&] { return second->hasFocus(); }));
}

TEST(ClearVertScrollTest, RemovesAndFreesEveryRow)
{
    TVertScrollBox box(nullptr, QStringLiteral("VertScrollBoxDados"));
    QPointer<TLayout> row = new TLayout(box.content());
    new TLabel(box.content());
    TAppUtils::ClearVertScroll(&box);
    EXPECT_TRUE(box.controls().isEmpty());
    EXPECT_FALSE(row.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(row.isNull());
    TAppUtils::ClearVertScroll(nullptr);
}

TEST(TextHelpersTest, FirstNameRemoveCharEnterAndIdade)
{
    EXPECT_EQ(TAppUtils::FirstName(QStringLiteral("  JOÃO DA SILVA ")), QStringLiteral("JOÃO"));
    EXPECT_EQ(TAppUtils::FirstName(QStringLiteral("ANA")), QStringLiteral("ANA"));
    EXPECT_EQ(TAppUtils::RemoveCharENTER(QStringLiteral("a\r\r\n\nb\r\nc")), QStringLiteral("abc"));

    EXPECT_EQ(TAppUtils::Idade(Now().Value() - 365), QStringLiteral("0 ANO(S)"));
    EXPECT_EQ(TAppUtils::Idade(Now().Value() - 366), QStringLiteral("1 ANO(S)"));
    EXPECT_EQ(TAppUtils::Idade(EncodeDate(1950, 1, 1)).endsWith(QStringLiteral(" ANO(S)")), true);
    EXPECT_EQ(TAppUtils::Idade(0), QString());
    EXPECT_EQ(TAppUtils::Idade(-5), QString());
}

TEST(InsertTextAtCursorTest, ReplacesTheSelectionOfAMemoOrEdit)
{
    TLayout window;
    auto *edit = new TEdit(&window);
    edit->setText(QStringLiteral("abcdef"));
    edit->setSelection(2, 2);
    TAppUtils::InsertTextAtCursor(edit, QStringLiteral("XY"));
    EXPECT_EQ(edit->text(), QStringLiteral("abXYef"));
    EXPECT_EQ(edit->cursorPosition(), 4);
    EXPECT_FALSE(edit->hasSelectedText());

    auto *memo = new TMemo(&window);
    memo->setText(QStringLiteral("Olá\n[NOME]!"));
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
    TAppUtils::InsertTextAtCursor(memo, QStringLiteral("#nome"));
    EXPECT_EQ(memo->text(), QStringLiteral("Olá\n#nome!"));
    EXPECT_EQ(memo->textCursor().position(), 9);

    TLabel label;
    label.setText(QStringLiteral("x"));
    TAppUtils::InsertTextAtCursor(&label, QStringLiteral("y"));
    TAppUtils::InsertTextAtCursor(nullptr, QStringLiteral("y"));
    EXPECT_EQ(label.text(), QStringLiteral("x"));
}

TEST(LoadQRCodeToImageTest, ShowsABase64PictureAndRaisesForOtherText)
{
    QImage picture(8, 8, QImage::Format_ARGB32);
    picture.fill(Qt::black);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");

    TImage image;
    TAppUtils::LoadQRCodeToImage(QString::fromLatin1(png.toBase64()), &image);
    EXPECT_EQ(image.bitmap().size(), QSize(8, 8));
    EXPECT_THROW(TAppUtils::LoadQRCodeToImage(QStringLiteral("bm8gcGljdHVyZQ=="), &image),
                 Exception);
    TAppUtils::LoadQRCodeToImage(QStringLiteral("bm8gcGljdHVyZQ=="), nullptr);
}

TEST(ReportFileTest, OpenFileOpensWithTheDesktopAndTellsThePerson)
{
    ScriptedDialogs dialogs;
    TAppUtils::OpenFile(QStringLiteral("/opt/zunta/temp/ReportContrato_7.pdf"));
    ASSERT_EQ(dialogs.openedUrls().size(), 1);
    EXPECT_EQ(dialogs.openedUrls().first(),
              QUrl::fromLocalFile(QStringLiteral("/opt/zunta/temp/ReportContrato_7.pdf")));
    EXPECT_EQ(dialogs.messageTexts(), QStringList { TAppUtils::ReportOpenedMessage() });
    EXPECT_EQ(dialogs.lastMessage().Kind, TMessageType::mtSuccess);
    EXPECT_TRUE(dialogs.lastMessage().Text.startsWith(QStringLiteral("O relatório")));
}

TEST(ReportFileTest, PrintFileTxtSendsWindows1252LinesAndSixEmptyOnes)
{
    ScriptedDialogs dialogs;
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("ReportRecibo_1.txt"));
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("RECIBO Nº 1\nAção € 10,00\r\n").toUtf8());
    file.close();

    TAppUtils::PrintFileTXT(fileName);
    ASSERT_EQ(dialogs.rawPrints().size(), 1);
    EXPECT_EQ(dialogs.rawPrints().first(),
              QByteArray("RECIBO N\xBA 1\r\nA\xE7\xE3o \x80 10,00\r\n")
                  + QByteArray("\r\n").repeated(6));
    EXPECT_EQ(dialogs.messageTexts(), QStringList { TAppUtils::ReportOpenedMessage() });
}

TEST(ReportFileTest, PrintFileTxtFailuresShowNoMessage)
{
    ScriptedDialogs dialogs;
    EXPECT_THROW(TAppUtils::PrintFileTXT(QStringLiteral("/nonexistent/report.txt")), Exception);

    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("r.txt"));
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x\n");
    file.close();
    dialogs.failPrinting(QStringLiteral("Printing failed: lp: no default destination"));
    EXPECT_THROW(TAppUtils::PrintFileTXT(fileName), Exception);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_TRUE(dialogs.rawPrints().isEmpty());
}

TEST(FloatingLabelTest, RisesWhileTheEmptyEditIsEnteredAndGoesBack)
{
    const TColorApp &colors = TThemeApp::Instance().ColorApp();
    TLayout window;
    window.resize(400, 200);
    auto *edit = new TEdit(&window, QStringLiteral("EditLogin"));
    edit->setGeometry(50, 80, 200, 40);
    TEditHelper::AddFloatingLabel(edit, QStringLiteral("E-mail/Login"));
    window.show();
    auto *label = window.findChild<TLabel *>(QStringLiteral("LabelEditLogin"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("E-mail/Login"));
    EXPECT_EQ(label->y(), 83);
    EXPECT_EQ(label->fontColor(), colors.PrimaryColor);

    TAppUtils::EntraEdit(edit);
    EXPECT_TRUE(waitFor([&] { return label->y() == 64 && label->fontSize() == 14; }));
    EXPECT_EQ(label->fontColor(), colors.SecondaryColor);

    TAppUtils::SaiEdit(edit);
    EXPECT_TRUE(waitFor([&] { return label->y() == 83; }));
    EXPECT_EQ(label->fontColor(), colors.PrimaryColor);

    // An edit with text keeps its caption where it is.
    edit->setText(QStringLiteral("admin"));
    TAppUtils::EntraEdit(edit);
    QApplication::processEvents();
    EXPECT_EQ(label->y(), 83);

    delete edit;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.findChild<TLabel *>(QStringLiteral("LabelEditLogin")), nullptr);
}

} // namespace
