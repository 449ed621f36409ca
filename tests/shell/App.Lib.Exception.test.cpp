#include "App.Lib.Exception.h"

#include "App.Lib.Utils.h"
#include "Edit.h"
#include "ScriptedDialogs.h"
#include "SysUtils.h"
#include "WaitFor.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

struct HandleRow
{
    const char *Name;
    QString Message;
    QString Shown; // as given to MessageSystem
    QString Title;
    TMessageType Kind;
    QString Text;
};

void PrintTo(const HandleRow &row, std::ostream *out)
{
    *out << row.Name;
}

const HandleRow handleRows[] = {
    { "DuplicateKey",
      QStringLiteral("ERROR: duplicate key value violates unique constraint \"uk_banco\""),
      QStringLiteral("WARNING:A informação não pode ser duplicada."),
      {},
      TMessageType::mtInformation,
      QStringLiteral("A informação não pode ser duplicada.") },
    { "ForeignKeyOnDelete",
      QStringLiteral("update or delete on table \"pessoa\" violates foreign key constraint "
                     "\"fk_contrato_pessoa\" on table \"contrato\""),
      QStringLiteral("WARNING:Não foi possível remover os itens.\r\nWARNING:Registro(s) já "
                     "utilizado(s) no sistema.."),
      {},
      TMessageType::mtInformation,
      QStringLiteral("Não foi possível remover os itens.\r\nRegistro(s) já utilizado(s) no "
                     "sistema..") },
    { "ForeignKeyWithoutDeleteUnchanged",
      QStringLiteral("insert on table \"x\" violates foreign key constraint \"fk\""),
      QStringLiteral("insert on table \"x\" violates foreign key constraint \"fk\""),
      {},
      TMessageType::mtError,
      QStringLiteral("insert on table \"x\" violates foreign key constraint \"fk\"") },
    { "NullColumn",
      QStringLiteral("ERROR: null value in column \"id_pessoa\" violates not-null constraint"),
      QStringLiteral("WARNING:O campo id pessoa não pode conter valor zerado ou vazio."),
      {},
      TMessageType::mtInformation,
      QStringLiteral("O campo id pessoa não pode conter valor zerado ou vazio.") },
    { "NullColumnKeepsCase",
      QStringLiteral("null value in column \"DATA_Cadastro\""),
      QStringLiteral("WARNING:O campo DATA Cadastro não pode conter valor zerado ou vazio."),
      {},
      TMessageType::mtInformation,
      QStringLiteral("O campo DATA Cadastro não pode conter valor zerado ou vazio.") },
    { "TitleTag",
      QStringLiteral("<Form:Dependentes>ERROR:Campo inválido."),
      QStringLiteral("ERROR:Campo inválido."),
      QStringLiteral("Dependentes"),
      TMessageType::mtError,
      QStringLiteral("Campo inválido.") },
    { "InnermostTagWins",
      QStringLiteral("<Form: Contrato > <Form:Dependentes>WARNING:x"),
      QStringLiteral("WARNING:x"),
      QStringLiteral("Dependentes"),
      TMessageType::mtInformation,
      QStringLiteral("x") },
    { "TagAndDatabaseText",
      QStringLiteral("<Form:Endereços> duplicate key value violates unique constraint"),
      QStringLiteral("WARNING:A informação não pode ser duplicada."),
      QStringLiteral("Endereços"),
      TMessageType::mtInformation,
      QStringLiteral("A informação não pode ser duplicada.") },
    { "UnclosedTagIsText",
      QStringLiteral("<Form:Dependentes ERROR:x"),
      QStringLiteral("<Form:Dependentes ERROR:x"),
      {},
      TMessageType::mtError,
      QStringLiteral("<Form:Dependentes x") },
    { "PlainWarning",
      QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso."),
      QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso."),
      {},
      TMessageType::mtInformation,
      QStringLiteral("Seu usuário não possui permissão neste recurso.") },
};

class HandleExceptionTableTest : public ::testing::TestWithParam<HandleRow>
{
};

TEST_P(HandleExceptionTableTest, TranslatesAndTitlesTheMessage)
{
    ScriptedDialogs dialogs;
    const HandleRow &row = GetParam();
    EXPECT_EQ(TDravikHandleException::Handle(row.Message), mrOk);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const TMessageRequest &shown = dialogs.lastMessage();
    EXPECT_EQ(shown.Message, row.Shown);
    EXPECT_EQ(shown.TitleForm, row.Title);
    EXPECT_EQ(shown.Kind, row.Kind);
    EXPECT_EQ(shown.Text, row.Text);
}

INSTANTIATE_TEST_SUITE_P(Texts,
                         HandleExceptionTableTest,
                         ::testing::ValuesIn(handleRows),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST(HandleExceptionTest, ShowsTheMessageOfAnyFailure)
{
    ScriptedDialogs dialogs;
    TDravikHandleException::Guard([] { throw Exception(QStringLiteral("WARNING:a")); });
    TDravikHandleException::Guard([] { throw std::runtime_error("b"); });
    TDravikHandleException::Guard([] {});
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { QStringLiteral("WARNING:a"), QStringLiteral("b") }));
}

TEST(HandleExceptionTest, IsTheNetOfTheControlsEvents)
{
    ScriptedDialogs dialogs;
    TDravikHandleException::InstallApplicationHandler();
    TEdit edit;
    edit.OnChange = [](QObject *) { TAppUtils::UtilsException(QStringLiteral("WARNING:falhou")); };
    edit.setText(QStringLiteral("x"));
    SetApplicationExceptionHandler({});
    EXPECT_EQ(dialogs.messageTexts(), QStringList { QStringLiteral("WARNING:falhou") });
}

TEST(HandleTerminateThreadTest, ShowsAWorkersFailureOnTheMainThread)
{
    ScriptedDialogs dialogs;
    TAppUtils::HandleTerminateThread(nullptr);
    EXPECT_TRUE(dialogs.messages().empty());

    std::thread worker([] {
        try {
            throw Exception(QStringLiteral("<Form:Contrato>ERROR:Falha ao carregar."));
        } catch (...) {
            TAppUtils::HandleTerminateThread(std::current_exception());
        }
    });
    worker.join();
    EXPECT_TRUE(waitFor([&] { return !dialogs.messages().empty(); }));
    EXPECT_EQ(dialogs.lastMessage().TitleForm, QStringLiteral("Contrato"));
    EXPECT_EQ(dialogs.lastMessage().Text, QStringLiteral("Falha ao carregar."));
}

} // namespace
