#include "App.Lib.ForcaSenha.h"
#include "App.Lib.Service.Login.h"
#include "App.Presenter.Usuario.h"
#include "Common.Dto.Empresa.h"

#include "MemTable.h"
#include "SysUtils.h"

#include "support/DemoBackend.h"
#include "support/FakeConnection.h"
#include "support/PresenterContract.h"

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Usuario, PresenterContract, TUsuarioPresenter);

class UsuarioPresenterTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    std::unique_ptr<FakeConnection> fake = std::make_unique<FakeConnection>(backend);
    std::unique_ptr<TUsuarioPresenter> presenter = TBasePresenter::Create<TUsuarioPresenter>();

    QString failure(const std::function<void()> &action)
    {
        try {
            action();
        } catch (const Exception &e) {
            return e.Message();
        }
        ADD_FAILURE() << "no exception";
        return {};
    }
};

TEST_F(UsuarioPresenterTest, ModifyPasswordSendsTheDigestWhileTheAuthenticationAsksForIt)
{
    backend.on("POST", "/usuario/modify-password/57", FakeReply::text("", 200));
    presenter->ModifyPassword(57, QStringLiteral("digest-da-senha"));

    const auto request = backend.last("POST", "/usuario/modify-password/57");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->param("senha"), "digest-da-senha");
    EXPECT_TRUE(request->body.empty());
    EXPECT_EQ(backend.last("POST", "/auth")->header("new-password"), "True");

    // Later authentications no longer ask for the change.
    fake->connection().ForceNewTokenAuthentication();
    EXPECT_FALSE(backend.last("POST", "/auth")->hasHeader("new-password"));
}

TEST_F(UsuarioPresenterTest, RefusedChangeRaisesTheReplyAndClearsTheFlag)
{
    backend.on("POST",
               "/usuario/modify-password/57",
               FakeReply::text("WARNING:A senha não pode ser igual à anterior.", 400));
    EXPECT_EQ(failure([&] { presenter->ModifyPassword(57, QStringLiteral("d")); }),
              QStringLiteral("WARNING:A senha não pode ser igual à anterior."));
    fake->connection().ForceNewTokenAuthentication();
    EXPECT_FALSE(backend.last("POST", "/auth")->hasHeader("new-password"));
}

// The stand-in back end with the repository's seed: a user whose password expired is refused
// with 422, changes it through the registered presenter, and logs in with the new one typed
// with blanks around it, since both sides hash the trimmed text.
TEST(UsuarioPasswordChangeTest, ChangedPasswordLogsIn)
{
    DemoBackend demo(QStringLiteral(ZUNTA_SOURCE_DIR "/fake-backend/seed.json"));
    FakeConnection fake(demo.backend());
    TLoginService login;

    QString refusal;
    try {
        login.Logar(QStringLiteral("troca"), DigestSenha(QStringLiteral("troca1234")));
    } catch (const Exception &e) {
        refusal = e.Message();
    }
    ASSERT_EQ(login.StatusCode(), 422);
    const QStringList lines = refusal.split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 3);
    const std::int64_t id = QString(lines.at(2)).remove(QStringLiteral("ID")).toLongLong();
    EXPECT_EQ(id, 2);

    ModificarSenha(id, QStringLiteral("Nova@Senha12 "));
    const TObjectList<TEmpresaDto> empresas
        = login.Logar(QStringLiteral("troca"), DigestSenha(QStringLiteral(" Nova@Senha12")));
    EXPECT_EQ(login.StatusCode(), 200);
    ASSERT_EQ(empresas.size(), 1u);
}

TEST_F(UsuarioPresenterTest, TableListsNameLoginAndEmail)
{
    EXPECT_EQ(describeColumns(presenter->DataSetInfo()),
              (QStringList { "ID LargeInt 0 0000000000",
                             "ID_REGISTRO AutoInc 0 0000000000",
                             "ID_REGISTRO_FK LargeInt 0 0000000000",
                             "NOME String 100",
                             "LOGIN String 50",
                             "EMAIL String 100" }));
    EXPECT_EQ(presenter->FilterClass(), nullptr);
}

TEST_F(UsuarioPresenterTest, ListsAPageOfUsersByName)
{
    backend.on("GET",
               "/usuario",
               FakeReply::json(R"({"total":2,"pages":1,"listHelper":[)"
                               R"({"id":1,"nome":"ANA","login":"ana","email":"ana@x"},)"
                               R"({"id":2,"nome":"BIA","login":"bia","email":"bia@x"}]})"));
    presenter->TextSearch = QStringLiteral("A");
    presenter->findByFilterToDataSet();

    EXPECT_EQ(backend.last("GET", "/usuario")->param("search"), "A");
    TMemTable &table = presenter->DataSetInfo();
    ASSERT_EQ(table.RecordCount(), 2);
    table.First();
    EXPECT_EQ(table.FieldByName(QStringLiteral("NOME"))->AsString(), QStringLiteral("ANA"));
    EXPECT_EQ(table.FieldByName(QStringLiteral("LOGIN"))->AsString(), QStringLiteral("ana"));
    table.Next();
    EXPECT_EQ(table.FieldByName(QStringLiteral("EMAIL"))->AsString(), QStringLiteral("bia@x"));
}

} // namespace
