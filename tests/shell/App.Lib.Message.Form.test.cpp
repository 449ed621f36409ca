#include "App.Lib.Message.Form.h"

#include "App.Lib.Theme.h"
#include "Image.h"
#include "Label.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

template<class T>
T *part(TFormMessage &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

struct KindRow
{
    const char *Name;
    TMessageType Kind;
    const char *Title;
    TAlphaColor TitleBar;
    TAlphaColor TitleText;
    const char *Image;
};

void PrintTo(const KindRow &row, std::ostream *out)
{
    *out << row.Name;
}

const KindRow kindRows[] = {
    { "Information",
      TMessageType::mtInformation,
      "Aviso",
      0xFFFF863F,
      0xFF7AC7D1,
      "ImageInformacao" },
    { "Question",
      TMessageType::mtQuestion,
      "Confirmação",
      0xFF313842,
      0xFF7AC7D1,
      "ImageConfirmacao" },
    { "Error", TMessageType::mtError, "Erro", 0xFFB22222, 0xFF7AC7D1, "ImageErro" },
    { "Success", TMessageType::mtSuccess, "Informação", 0xFF7AC7D1, 0xFF313842, "ImageInformacao" },
};

class FormMessageKindTest : public ::testing::TestWithParam<KindRow>
{
};

TEST_P(FormMessageKindTest, ShowsTheKindsTitleColoursPictureAndButtons)
{
    const KindRow &row = GetParam();
    auto window = TFormMessage::New();
    window->MessageType(row.Kind).FileLog({}).Message(QStringLiteral("x")).TitleForm({});
    EXPECT_EQ(part<TLabel>(*window, "LabelTituloBarra")->text(), QString::fromUtf8(row.Title));
    EXPECT_EQ(part<TLabel>(*window, "LabelTituloBarra")->fontColor(), row.TitleText);
    EXPECT_EQ(part<TRectangle>(*window, "RectangleTitleBar")->fillColor(), row.TitleBar);
    EXPECT_EQ(part<TRectangle>(*window, "RectangleDialog")->strokeColor(), 0xFF7AC7D1u);
    for (const char *image : { "ImageInformacao", "ImageErro", "ImageConfirmacao" })
        EXPECT_EQ(part<TImage>(*window, image)->Visible(), qstrcmp(image, row.Image) == 0) << image;
    const bool question = row.Kind == TMessageType::mtQuestion;
    EXPECT_EQ(part<TSpeedButton>(*window, "SpeedButtonOK")->Visible(), !question);
    EXPECT_EQ(part<TSpeedButton>(*window, "SpeedButtonSim")->Visible(), question);
    EXPECT_EQ(part<TSpeedButton>(*window, "SpeedButtonNao")->Visible(), question);
}

INSTANTIATE_TEST_SUITE_P(Kinds,
                         FormMessageKindTest,
                         ::testing::ValuesIn(kindRows),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST(FormMessageTest, LaysOutTheDialogInTheCentreWithSimNaoOkFromTheLeft)
{
    auto window = TFormMessage::New();
    window->MessageType(TMessageType::mtQuestion)
        .FileLog(QStringLiteral("File Log:/var/log/zunta.log"))
        .Message(QStringLiteral("Deseja encerrar o sistema?"))
        .TitleForm(QStringLiteral("Dependentes"));
    window->coverWorkArea();
    window->show();
    RealignAll(window.get());

    auto *dialog = part<TRectangle>(*window, "RectangleDialog");
    EXPECT_EQ(dialog->width(), 550);
    EXPECT_EQ(dialog->geometry().center().x(), window->rect().center().x());
    // The window's design height (480) is what the growth rule measures.
    EXPECT_EQ(window->dialogHeight(), int((300 + 480 - 97) / 1.7));
    EXPECT_EQ(part<TLabel>(*window, "LabelTitleForm")->text(), QStringLiteral("Tela: Dependentes"));
    EXPECT_TRUE(part<TLabel>(*window, "LabelFileLog")->Visible());
    EXPECT_EQ(part<TLabel>(*window, "LabelFileLog")->text(),
              QStringLiteral("File Log:/var/log/zunta.log"));
    auto *sim = part<TSpeedButton>(*window, "SpeedButtonSim");
    auto *nao = part<TSpeedButton>(*window, "SpeedButtonNao");
    EXPECT_LT(sim->x(), nao->x());
    EXPECT_EQ(sim->size(), QSize(80, 45));
    EXPECT_EQ(nao->geometry().right(), 550 - 1 - 5);

    window->TitleForm({}).FileLog({});
    EXPECT_EQ(part<TLabel>(*window, "LabelTitleForm")->text(), QString());
    EXPECT_FALSE(part<TLabel>(*window, "LabelFileLog")->Visible());

    // Saved on request: pictures to look at (xvfb-run with QT_QPA_PLATFORM=xcb for real fonts).
    const QString folder = qEnvironmentVariable("ZUNTA_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        const auto save = [&](TMessageType kind,
                              const QString &log,
                              const QString &text,
                              const QString &title,
                              const QString &file) {
            auto shot = TFormMessage::New();
            shot->MessageType(kind).FileLog(log).Message(text).TitleForm(title);
            shot->coverWorkArea();
            shot->show();
            QApplication::processEvents();
            EXPECT_TRUE(shot->grab().save(QDir(folder).filePath(file)));
        };
        save(TMessageType::mtQuestion,
             {},
             QStringLiteral("Deseja alterar o usuário logado?"),
             QStringLiteral("Cadastro de Pessoas"),
             QStringLiteral("message-question.png"));
        save(TMessageType::mtError,
             QStringLiteral("File Log:/var/log/zunta/api-2024-03-15.log"),
             QStringLiteral("Não foi possível remover os itens.\r\nRegistro(s) já utilizado(s) no "
                            "sistema.."),
             {},
             QStringLiteral("message-error.png"));
    }
}

TEST(FormMessageTest, GrowsForALongTextUpToTheWorkArea)
{
    QStringList lines;
    for (int i = 0; i < 15; ++i)
        lines << QStringLiteral("WARNING:O campo %1 não possui um valor válido.").arg(i);
    auto window = TFormMessage::New();
    window->MessageType(TMessageType::mtInformation).Message(lines.join(QStringLiteral("\r\n")));
    EXPECT_GT(window->dialogHeight(), int((300 + 480 - 97) / 1.7));

    lines.clear();
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("linha %1").arg(i);
    window->Message(lines.join(QStringLiteral("\r\n")));
    EXPECT_EQ(window->dialogHeight(),
              QApplication::primaryScreen()->availableGeometry().height() - 3);
}

struct AnswerRow
{
    const char *Name;
    TMessageType Kind;
    const char *Button; // nullptr: Escape; "close": the window closed
    int Result;
};

void PrintTo(const AnswerRow &row, std::ostream *out)
{
    *out << row.Name;
}

const AnswerRow answerRows[] = {
    { "SimIsYes", TMessageType::mtQuestion, "SpeedButtonSim", mrYes },
    { "NaoIsNo", TMessageType::mtQuestion, "SpeedButtonNao", mrNo },
    { "OkIsOne", TMessageType::mtError, "SpeedButtonOK", mrOk },
    { "EscapeOnAQuestionIsNo", TMessageType::mtQuestion, nullptr, mrNo },
    { "ClosingAQuestionIsNo", TMessageType::mtQuestion, "close", mrNo },
    { "EscapeOnAWarningIsOk", TMessageType::mtInformation, nullptr, mrOk },
};

class FormMessageAnswerTest : public ::testing::TestWithParam<AnswerRow>
{
};

TEST_P(FormMessageAnswerTest, AnswersAsThePersonDid)
{
    const AnswerRow &row = GetParam();
    auto window = TFormMessage::New();
    window->MessageType(row.Kind).FileLog({}).Message(QStringLiteral("x")).TitleForm({});
    int finished = -1;
    QObject::connect(window.get(), &QDialog::finished, [&](int result) { finished = result; });
    // Shown without its modal loop: the test never waits for a person.
    window->show();
    if (!row.Button) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &escape);
    } else if (qstrcmp(row.Button, "close") == 0) {
        window->close();
    } else {
        part<TSpeedButton>(*window, row.Button)->click();
    }
    EXPECT_EQ(finished, row.Result);
    EXPECT_EQ(window->result(), row.Result);
    EXPECT_FALSE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Answers,
                         FormMessageAnswerTest,
                         ::testing::ValuesIn(answerRows),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST(FormMessageTest, NeedsNoPermissionAndMarksTheChangeOfUserQuestion)
{
    auto window = TFormMessage::New();
    EXPECT_TRUE(window->IgnorePermission());
    EXPECT_FALSE(window->isInitializateApp());
    window->IsInitializateApp();
    EXPECT_TRUE(window->isInitializateApp());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Mensagem"));
}

} // namespace
