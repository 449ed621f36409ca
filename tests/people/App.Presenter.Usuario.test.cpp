#include "App.Lib.ForcaSenha.h"
#include "App.Lib.Service.Login.h"
#include "App.Presenter.Usuario.h"
#include "App.Presenter.UsuarioConta.h"
#include "App.Presenter.UsuarioEmpresa.h"
#include "App.Presenter.UsuarioEmpresaPerfilPermissao.h"
#include "App.Presenter.UsuarioFormaBaixaConta.h"
#include "Common.Dto.Empresa.h"

#include "App.Lib.ManagerControls.h"
#include "Edit.h"
#include "MemTable.h"
#include "SysUtils.h"

#include "support/DemoBackend.h"
#include "support/FakeConnection.h"
#include "support/PresenterContract.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <functional>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Usuario, PresenterContract, TUsuarioPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(UsuarioEmpresa, PresenterContract, TUsuarioEmpresaPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(UsuarioEmpresaPerfilPermissao,
                               PresenterContract,
                               TUsuarioEmpresaPerfilPermissaoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(UsuarioConta, PresenterContract, TUsuarioContaPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(UsuarioFormaBaixaConta,
                               PresenterContract,
                               TUsuarioFormaBaixaContaPresenter);

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

// --- The aggregate save -----------------------------------------------------------------------

// Appends a row of the given column values to the table.
void addRow(TMemTable &ATable, std::initializer_list<std::pair<const char *, TFieldValue>> AValues)
{
    ATable.Append();
    for (const auto &[column, value] : AValues)
        ATable.FieldByName(QLatin1String(column))->SetValue(value);
    ATable.Post();
}

QJsonArray listOf(const QJsonObject &ABody, const char *AMember)
{
    return ABody.value(QLatin1String(AMember))
        .toObject()
        .value(QStringLiteral("listHelper"))
        .toArray();
}

// The user window's tables come from the child presenters, as the window hands them in.
class UsuarioSaveTest : public UsuarioPresenterTest
{
protected:
    std::unique_ptr<TUsuarioEmpresaPresenter> empresas
        = TBasePresenter::Create<TUsuarioEmpresaPresenter>();
    std::unique_ptr<TUsuarioEmpresaPerfilPermissaoPresenter> perfis
        = TBasePresenter::Create<TUsuarioEmpresaPerfilPermissaoPresenter>();
    std::unique_ptr<TUsuarioContaPresenter> contas
        = TBasePresenter::Create<TUsuarioContaPresenter>();
    std::unique_ptr<TUsuarioFormaBaixaContaPresenter> formas
        = TBasePresenter::Create<TUsuarioFormaBaixaContaPresenter>();
    std::unique_ptr<TEdit> editLogin
        = std::make_unique<TEdit>(nullptr, QStringLiteral("EditLogin"));
    std::unique_ptr<TEdit> editPessoa
        = std::make_unique<TEdit>(nullptr, QStringLiteral("EditIdPessoa"));
    QStringList removeEmpresa;
    QStringList removePerfil;
    QStringList removeConta;

    void SetUp() override
    {
        for (TBasePresenter *child : { (TBasePresenter *)empresas.get(),
                                       (TBasePresenter *)perfis.get(),
                                       (TBasePresenter *)contas.get() })
            child->Clear(true, false);
        presenter->SetDataSetEmpresa(&empresas->DataSetInfo());
        presenter->SetListRemoveEmpresa(&removeEmpresa);
        presenter->SetDataSetEmpresaPermissao(&perfis->DataSetInfo());
        presenter->SetListRemoveEmpresaPermissao(&removePerfil);
        presenter->SetDataSetUsuarioConta(&contas->DataSetInfo());
        presenter->SetListRemoveUsuarioConta(&removeConta);
        presenter->SetDataSetUsuarioFormaBaixaConta(&formas->DataSetInfo());
        // The window's person and login, as the save copies them into the body.
        TManagerControl &controls = presenter->ManagerControls();
        controls.Bind(editLogin.get(), QStringLiteral("Login"));
        controls.Bind(editPessoa.get(), QStringLiteral("Pessoa"));
        controls.setPropertiesControls();
        backend.on(
            "POST", "/usuario/complex", FakeReply::json(R"({"id":77,"login":"ana","idPessoa":3})"));
    }

    QJsonObject save()
    {
        editLogin->setText(QStringLiteral("ana"));
        editPessoa->setText(QStringLiteral("3"));
        presenter->PostComplex();
        const auto request = backend.last("POST", "/usuario/complex");
        return request ? QJsonDocument::fromJson(QByteArray::fromStdString(request->body)).object()
                       : QJsonObject();
    }
};

// Which company rows travel, what each carries, and where the removed ids go.
TEST_F(UsuarioSaveTest, BodyCarriesLinkedAndTickedCompaniesWithTheirProfilesAndRemovals)
{
    TMemTable &empresa = empresas->DataSetInfo();
    addRow(empresa, { { "ID", 0 }, { "ID_EMPRESA", 1 }, { "ATIVO", false } }); // never linked
    addRow(empresa, { { "ID", 0 }, { "ID_EMPRESA", 2 }, { "ATIVO", true } }); // a new link
    addRow(empresa, { { "ID", 31 }, { "ID_EMPRESA", 3 }, { "ATIVO", false } }); // unticked
    TMemTable &perfil = perfis->DataSetInfo();
    addRow(perfil, { { "ID", 40 }, { "ID_EMPRESA", 1 }, { "ID_PERFIL_PERMISSAO", 7 } });
    addRow(perfil, { { "ID", 0 }, { "ID_EMPRESA", 2 }, { "ID_PERFIL_PERMISSAO", 8 } });
    addRow(perfil, { { "ID", 41 }, { "ID_EMPRESA", 3 }, { "ID_PERFIL_PERMISSAO", 9 } });
    removeEmpresa << QStringLiteral("5") << QString() << QStringLiteral("x");
    // Removed links of two different companies.
    removePerfil << QStringLiteral("61") << QStringLiteral("62");

    const QJsonObject body = save();

    EXPECT_EQ(body.value(QStringLiteral("senha")), QJsonValue(QString()));
    EXPECT_EQ(body.value(QStringLiteral("login")), QJsonValue(QStringLiteral("ana")));
    EXPECT_EQ(listOf(body, "removeUsuarioEmpresas"), (QJsonArray { 5, 0, 0 }));
    const QJsonArray sent = listOf(body, "usuarioEmpresas");
    ASSERT_EQ(sent.size(), 2);
    const QJsonObject nova = sent.at(0).toObject();
    EXPECT_EQ(nova.value(QStringLiteral("id")).toInt(), 0);
    EXPECT_EQ(nova.value(QStringLiteral("idEmpresa")).toInt(), 2);
    EXPECT_EQ(nova.value(QStringLiteral("idUsuario")).toInt(), 0);
    EXPECT_TRUE(nova.value(QStringLiteral("ativo")).toBool());
    EXPECT_EQ(listOf(nova, "removeUsuarioEmpresaPerfilPermissaos"), (QJsonArray { 61, 62 }));
    const QJsonArray perfisNova = listOf(nova, "usuarioEmpresaPerfilPermissaos");
    ASSERT_EQ(perfisNova.size(), 1);
    EXPECT_EQ(perfisNova.at(0).toObject().value(QStringLiteral("idPerfilPermissao")).toInt(), 8);
    EXPECT_EQ(perfisNova.at(0).toObject().value(QStringLiteral("idUsuarioEmpresa")).toInt(), 0);

    const QJsonObject desmarcada = sent.at(1).toObject();
    EXPECT_EQ(desmarcada.value(QStringLiteral("id")).toInt(), 31);
    EXPECT_FALSE(desmarcada.value(QStringLiteral("ativo")).toBool());
    EXPECT_TRUE(listOf(desmarcada, "removeUsuarioEmpresaPerfilPermissaos").isEmpty());
    const QJsonArray perfisDesmarcada = listOf(desmarcada, "usuarioEmpresaPerfilPermissaos");
    ASSERT_EQ(perfisDesmarcada.size(), 1);
    EXPECT_EQ(perfisDesmarcada.at(0).toObject().value(QStringLiteral("id")).toInt(), 41);

    // The reply is the new entity; the lists of the body are gone with the old one.
    EXPECT_EQ(presenter->entity()->Id, 77);
    EXPECT_TRUE(presenter->entity()->UsuarioEmpresas->empty());
}

TEST_F(UsuarioSaveTest, WithoutACompanyItemNoProfileRemovalTravels)
{
    addRow(empresas->DataSetInfo(), { { "ID", 0 }, { "ID_EMPRESA", 1 }, { "ATIVO", false } });
    removePerfil << QStringLiteral("61");
    const QJsonObject body = save();
    EXPECT_TRUE(listOf(body, "usuarioEmpresas").isEmpty());
    EXPECT_FALSE(QJsonDocument(body).toJson().contains("61"));
}

TEST_F(UsuarioSaveTest, AccountsNeedAnAccountAndSettlementMethodsTheirTableOpen)
{
    TMemTable &conta = contas->DataSetInfo();
    addRow(conta, { { "ID", 0 }, { "ID_CONTA", 0 } });
    addRow(conta,
           { { "ID", 51 }, { "ID_CONTA", 7 }, { "ID_USUARIO", 77 }, { "PADRAO_CONTA", true } });
    removeConta << QStringLiteral("52");
    presenter->ListRemoveUsuarioFormaBaixaConta() << QStringLiteral("53");

    // The settlement-method table is not open yet.
    QJsonObject body = save();
    const QJsonArray sentContas = listOf(body, "usuarioContas");
    ASSERT_EQ(sentContas.size(), 1);
    EXPECT_EQ(sentContas.at(0).toObject(),
              (QJsonObject { { "idUsuario", 77 },
                             { "idConta", 7 },
                             { "padraoConta", true },
                             { "id", 51 },
                             { "idOwner", 0 },
                             { "dataCadastro", sentContas.at(0)[QStringLiteral("dataCadastro")] },
                             { "nameClass", "TUsuarioContaEntity" } }));
    EXPECT_EQ(listOf(body, "removeUsuarioContas"), (QJsonArray { 52 }));
    EXPECT_EQ(listOf(body, "removeUsuarioFormaBaixaContas"), (QJsonArray { 53 }));
    EXPECT_TRUE(listOf(body, "usuarioFormaBaixaContas").isEmpty());

    // Clearing the record empties the presenter's own remove list; an open table sends every
    // row.
    presenter->Clear(false, false);
    formas->Clear(true, false);
    addRow(formas->DataSetInfo(),
           { { "ID", 0 }, { "ID_CONTA", 7 }, { "LISTA_FORMA_PAGAMENTO", 12 } });
    body = save();
    EXPECT_TRUE(listOf(body, "removeUsuarioFormaBaixaContas").isEmpty());
    const QJsonArray sentFormas = listOf(body, "usuarioFormaBaixaContas");
    ASSERT_EQ(sentFormas.size(), 1);
    EXPECT_EQ(sentFormas.at(0).toObject().value(QStringLiteral("listaFormaPagamento")).toInt(), 12);
}

TEST_F(UsuarioSaveTest, RefusedSaveRaisesTheReplyText)
{
    backend.on("POST",
               "/usuario/complex",
               FakeReply::text("WARNING:A informação não pode ser duplicada.", 400));
    EXPECT_EQ(failure([&] { save(); }),
              QStringLiteral("WARNING:A informação não pode ser duplicada."));
}

// --- Password reset and the child reads ---------------------------------------------------------

TEST_F(UsuarioPresenterTest, ResetPasswordPostsWithoutBodyAndRaisesARefusal)
{
    backend.on(
        "POST", "/usuario/reset/57", FakeReply::text("SUCCESSOperação realizada com sucesso."));
    presenter->ResetPassword(57);
    const auto request = backend.last("POST", "/usuario/reset/57");
    ASSERT_TRUE(request);
    EXPECT_TRUE(request->body.empty());
    EXPECT_FALSE(request->hasParam("senha"));

    backend.on("POST", "/usuario/reset/58", FakeReply::text("WARNING:Usuário bloqueado.", 403));
    EXPECT_EQ(failure([&] { presenter->ResetPassword(58); }),
              QStringLiteral("WARNING:Usuário bloqueado."));
}

struct ChildRead
{
    const char *Name;
    const char *Path;
    // Reads the rows of user 5 and answers how many came; -1 for no list.
    std::function<int()> Read;
};

class UsuarioChildReadTest : public ::testing::TestWithParam<ChildRead>
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
};

TEST_P(UsuarioChildReadTest, ReadsThePageOfTheUserAndNoListFor304OrNoJson)
{
    const ChildRead &read = GetParam();
    backend.on("GET",
               read.Path,
               FakeReply::json(R"({"total":2,"pages":1,"listHelper":[{"id":1},{"id":2}]})"));
    EXPECT_EQ(read.Read(), 2);
    const auto request = backend.last("GET", read.Path);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->header("X-Paginate"), "true");
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "100");
    EXPECT_TRUE(request->body.empty());

    backend.on("GET", read.Path, FakeReply::empty(304));
    EXPECT_EQ(read.Read(), -1);
    backend.on("GET", read.Path, FakeReply::text("sem registros"));
    EXPECT_EQ(read.Read(), -1);
    backend.on("GET", read.Path, FakeReply::text("ERROR:Falha ao consultar.", 500));
    EXPECT_THROW(read.Read(), Exception);
}

INSTANTIATE_TEST_SUITE_P(
    Services,
    UsuarioChildReadTest,
    ::testing::Values(
        ChildRead { "Empresa",
                    "/usuario-empresa/usuario/5",
                    [] {
                        const auto rows = TUsuarioEmpresaService().findAllEmpresa(5);
                        return rows ? int(rows->size()) : -1;
                    } },
        ChildRead { "PerfilPermissao",
                    "/usuario-empresa-perfil-permissao/usuario/5",
                    [] {
                        const auto rows = TUsuarioEmpresaPerfilPermissaoService()
                                              .findAllUsuarioEmpresaPerfilPermissao(5);
                        return rows ? int(rows->size()) : -1;
                    } },
        ChildRead { "Conta",
                    "/usuario-conta/usuario/5",
                    [] {
                        const auto rows = TUsuarioContaService().findAllUsuarioConta(5);
                        return rows ? int(rows->size()) : -1;
                    } },
        ChildRead { "FormaBaixaConta",
                    "/usuario-forma-baixa-conta/usuario/5",
                    [] {
                        const auto rows
                            = TUsuarioFormaBaixaContaService().fillUsuarioFormaBaixaConta(5);
                        return rows ? int(rows->size()) : -1;
                    } }),
    [](const ::testing::TestParamInfo<ChildRead> &info) { return std::string(info.param.Name); });

TEST_F(UsuarioPresenterTest, SettlementMethodAndAccountAreFoundFromEachOther)
{
    TUsuarioFormaBaixaContaService service;
    backend.on("GET",
               "/usuario-forma-baixa-conta/forma-baixa/7",
               FakeReply::json(R"({"id":3,"idConta":7,"listaFormaPagamento":12})"));
    const auto forma = service.findFormaBaixaByIdConta(7);
    ASSERT_TRUE(forma);
    EXPECT_EQ(forma->ListaFormaPagamento, 12);

    backend.on("GET", "/usuario-forma-baixa-conta/conta/12", FakeReply::empty(304));
    EXPECT_FALSE(service.findIdContaByFormaBaixa(12));
    backend.on("GET",
               "/usuario-forma-baixa-conta/conta/13",
               FakeReply::json(R"({"message":"WARNING:Conta não localizada."})", 404));
    EXPECT_EQ(failure([&] { service.findIdContaByFormaBaixa(13); }),
              QStringLiteral("WARNING:Conta não localizada."));
}

// The child presenters load their user's rows with the table's filter off; no list keeps them.
TEST_F(UsuarioPresenterTest, CompanyRowsLoadForTheUserAndStayWithoutAList)
{
    auto empresas = TBasePresenter::Create<TUsuarioEmpresaPresenter>();
    backend.on("GET",
               "/usuario-empresa/usuario/5",
               FakeReply::json(R"({"total":2,"pages":1,"listHelper":[)"
                               R"({"id":9,"idEmpresa":1,"empresa":"MATRIZ","ativo":true},)"
                               R"({"id":0,"idEmpresa":2,"empresa":"FILIAL","ativo":false}]})"));
    TMemTable &table = empresas->DataSetInfo();
    empresas->Clear(true, false);
    table.SetFilter(QStringLiteral("ID_EMPRESA = 99"));
    table.SetFiltered(true);
    empresas->IdPrincipal = 5;
    empresas->findByFilterToDataSet();
    EXPECT_FALSE(table.Filtered());
    ASSERT_EQ(table.RecordCount(), 2);
    table.First();
    EXPECT_EQ(table.FieldByName(QStringLiteral("EMPRESA"))->AsString(), QStringLiteral("MATRIZ"));
    EXPECT_TRUE(table.FieldByName(QStringLiteral("ATIVO"))->AsBoolean());

    backend.on("GET", "/usuario-empresa/usuario/5", FakeReply::empty(304));
    empresas->findByFilterToDataSet();
    EXPECT_EQ(table.RecordCount(), 2);
}

} // namespace
