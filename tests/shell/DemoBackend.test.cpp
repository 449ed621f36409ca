#include "App.Lib.ForcaSenha.h"
#include "App.Lib.Presenter.FormPermission.h"
#include "App.Lib.Presenter.MenuSistema.h"
#include "App.Lib.Service.Login.h"
#include "Common.Dto.Empresa.h"
#include "Common.Dto.FormPermission.h"
#include "Common.Dto.MenuSistema.h"
#include "Common.Dto.Usuario.h"

#include "RestRequest.h"
#include "SysUtils.h"

#include "support/DemoBackend.h"
#include "support/FakeConnection.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

// The repository's seed, served as a person runs the client against it (README's demo login).
class DemoBackendTest : public ::testing::Test
{
protected:
    DemoBackend demo { QStringLiteral(ZUNTA_SOURCE_DIR "/fake-backend/seed.json") };
    FakeConnection fake { demo.backend() };
    TLoginService login;

    TObjectList<TEmpresaDto> logar()
    {
        return login.Logar(QStringLiteral("demo"), DigestSenha(QStringLiteral("demo1234")));
    }
};

TEST_F(DemoBackendTest, DemoUserLogsInWithTwoCompaniesMenusAndPermissions)
{
    const TObjectList<TEmpresaDto> empresas = logar();
    ASSERT_EQ(empresas.size(), 2u);
    EXPECT_FALSE(empresas[0]->Empresa.isEmpty());
    EXPECT_EQ(fake.connection().UsuarioLogado()->Login, QStringLiteral("demo"));

    fake.connection().SetIdEmpresa(empresas[1]->Id);
    EXPECT_EQ(demo.backend().last("POST", "/auth")->header("id-empresa"),
              std::to_string(empresas[1]->Id));

    auto menus = TBasePresenter::Create<TMenuSistemaPresenter>()->getMenuSistema();
    ASSERT_TRUE(menus.has_value());
    ASSERT_FALSE(menus->empty());
    EXPECT_FALSE((*menus)[0]->ClasseFormulario.isEmpty());
    auto superiores = TBasePresenter::Create<TMenuSistemaPresenter>()->getMenuSuperior();
    ASSERT_TRUE(superiores.has_value());
    EXPECT_EQ((*superiores)[0]->MenuSuperior, (*menus)[0]->MenuSuperior);

    auto permissao = TBasePresenter::Create<TFormPermissionPresenter>()->getFormPermssion(
        QStringLiteral("TFormQualquer"));
    ASSERT_TRUE(permissao);
    EXPECT_TRUE(permissao->Inserir);
    EXPECT_TRUE(permissao->Visualizar);
}

TEST_F(DemoBackendTest, WrongPasswordAndUnknownTokenAreRefused)
{
    try {
        login.Logar(QStringLiteral("demo"), DigestSenha(QStringLiteral("errada")));
        ADD_FAILURE() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("WARNING:Usuário ou senha inválidos."));
    }
    TRestRequest request;
    request.SetBaseURL(QString::fromStdString(demo.backend().origin()));
    request.SetResource(QStringLiteral("/acesso"));
    EXPECT_EQ(request.Get()->StatusCode, 401);
}

TEST_F(DemoBackendTest, AnyResourceIsKeptInMemory)
{
    logar();
    TRestRequest request;
    fake.connection().SetInfoRequest(request);
    request.SetResource(QStringLiteral("/recurso-demo"));
    EXPECT_EQ(request.Get()->StatusCode, 304);

    request.AddBody(QStringLiteral(R"({"id":0,"nome":"BANCO DEMO"})"));
    const qint64 id = qint64(QJsonDocument::fromJson(request.Post()->RawBytes)
                                 .object()
                                 .value(QStringLiteral("id"))
                                 .toDouble());
    EXPECT_GT(id, 0);
    request.ClearBody().SetResource(QStringLiteral("/recurso-demo"));
    const QJsonObject page = QJsonDocument::fromJson(request.Get()->RawBytes).object();
    EXPECT_EQ(page.value(QStringLiteral("total")).toInt(), 1);

    request.SetResource(QStringLiteral("/lista-sistema"))
        .AddParameter(QStringLiteral("search"), QStringLiteral("PARENTESCO"));
    EXPECT_EQ(QJsonDocument::fromJson(request.Get()->RawBytes)
                  .object()
                  .value(QStringLiteral("total"))
                  .toInt(),
              2);

    // The users are listed too, never with their passwords.
    request.ClearBody().SetResource(QStringLiteral("/usuario/pesquisa/1"));
    const QJsonObject usuario = QJsonDocument::fromJson(request.Get()->RawBytes).object();
    EXPECT_EQ(usuario.value(QStringLiteral("login")).toString(), QStringLiteral("demo"));
    EXPECT_FALSE(usuario.contains(QStringLiteral("senha")));
}

} // namespace
