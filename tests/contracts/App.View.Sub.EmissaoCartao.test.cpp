#include "App.View.Sub.EmissaoCartao.h"

#include "App.Base.Presenter.Cadastro.h"
#include "App.Base.Service.h"
#include "App.Lib.Application.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.Utils.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "Shapes.h"

#include "FormatSettings.h"
#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TestMainWindow.h"
#include "support/TestTexts.h"
#include "support/WaitFor.h"
#include "support/WaitIdle.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <memory>

// The cash account row of the financial subsystem (not linked here), as far as its lookup reads
// it; registered only while a test runs.
class TContaDto final : public TBaseDto
{
    ZUNTA_CLASS(TContaDto)

    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TContaDto, (TBaseDto), (Descricao))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TContaDto)

namespace {

const char *const kEmissaoValidadePath = "/dependente-contrato/validade-cartao";
const QString kPerguntaEmissao = QStringLiteral(
    "QUESTION:Confirma gerar novas validades de cartões dos dependentes selecionados?");

// The account presenter of the financial subsystem, registered while a test runs.
class TContaTestePresenter final : public TBaseCadastroPresenter
{
public:
    TContaTestePresenter()
        : TBaseCadastroPresenter(QStringLiteral("TContaPresenter"))
    { }

protected:
    std::unique_ptr<TBaseEntity> CreateEntity() override { return nullptr; }
    std::unique_ptr<TBaseService> CreateService() override
    {
        return std::make_unique<TBaseService>(QStringLiteral("TContaService"));
    }
};

// The renewal of three members for a user whose account is 15; the payment forms "01" (cash)
// and "02" (cheque) answer by code.
class EmissaoCartaoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        waitIdle();
        backend.on("GET", "/acesso", FakeReply::json(R"({"id":1,"idConta":15})"));
        backend.on("GET",
                   "/servico/pesquisa/7",
                   FakeReply::json(R"({"id":7,"descricao":"2ª VIA CARTÃO","valor":12.5})"));
        backend.on("GET",
                   "/conta/pesquisa/15",
                   FakeReply::json(R"({"id":15,"descricao":"CAIXA INTERNO"})"));
        backend.on("GET", "/lista-sistema/pesquisa/0", [](const RecordedRequest &ARequest) {
            const std::string codigo = ARequest.param("search").value_or("");
            if (codigo == "01")
                return FakeReply::json(R"({"id":901,"codigo":"01","descricao":"DINHEIRO"})");
            if (codigo == "02")
                return FakeReply::json(R"({"id":902,"codigo":"02","descricao":"CHEQUE"})");
            return FakeReply::json(R"({"id":0})");
        });
        fake.connection().Logar(QStringLiteral("ana"), QStringLiteral("x"));
        abrir();
    }
    void TearDown() override
    {
        EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
        view.reset();
        TApplicationZunta::ResetInstance();
        FlushDeletes();
    }

    void abrir()
    {
        view.reset(TFormSubViewEmissaoCartao::New());
        view->SetIds(ids)
            .SetProcSucessoValidadeCartao([this] { eventos << QStringLiteral("sucesso"); })
            .SetProcErroValidadeCartao([this] { eventos << QStringLiteral("erro"); })
            .Execute();
        view->ProcCloseForm = [this] { eventos << QStringLiteral("fechada"); };
        waitIdle();
    }
    TItemControl &item(const char *AControl) const
    {
        return *view->Presenter().FindItemControl(QLatin1String(AControl));
    }
    // The payment form typed by its code, as the clerk does.
    void formaPagamento(const QString &ACodigo)
    {
        view->EditListaFormaPagamento->setText(ACodigo);
        item("EditListaFormaPagamento").ClickSearch();
    }
    void gravar(int AResposta)
    {
        dialogs.answerQuestion(AResposta);
        view->RectangleGravar->click();
        waitIdle();
    }
    QJsonObject enviado() const
    {
        const auto request = backend.last("POST", kEmissaoValidadePath);
        return request ? QJsonDocument::fromJson(QByteArray::fromStdString(request->body)).object()
                       : QJsonObject();
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    const TClassRegistration contaDto { TContaDto::StaticClassInfo() };
    const TClassRegistration contaPresenter {
        QStringLiteral("TContaPresenter"),
        TPresenterFactory([] { return TBasePresenter::Create<TContaTestePresenter>(); })
    };
    const QStringList ids { QStringLiteral("5000000001"),
                            QStringLiteral("12"),
                            QStringLiteral("13") };
    std::unique_ptr<TFormSubViewEmissaoCartao> view;
    QStringList eventos;
};

TEST_F(EmissaoCartaoTest, OpensAYearAheadWithTheUsersAccountAndCashPayment)
{
    EXPECT_EQ(view->windowTitle(), QStringLiteral("EMISSÃO DE CARTÕES"));
    EXPECT_EQ(view->DateEditData->date(), Date() + 365);
    EXPECT_EQ(item("EditContaEntrada").Id, 15);
    EXPECT_EQ(view->EditContaEntrada->text(), QStringLiteral("CAIXA INTERNO"));
    EXPECT_EQ(item("EditListaFormaPagamento").Id, 901);
    EXPECT_FALSE(view->RectangleChequeRecebimento->isVisible());
    EXPECT_FALSE(view->EditValorServico->isEnabled());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty()) << dialogs.messageTexts().join('|').toStdString();
}

TEST_F(EmissaoCartaoTest, AUserWithoutAnAccountOpensWithTheAccountEmpty)
{
    backend.on("GET", "/acesso", FakeReply::json(R"({"id":1,"idConta":0})"));
    fake.connection().Logar(QStringLiteral("ana"), QStringLiteral("x"));
    abrir();
    EXPECT_EQ(item("EditContaEntrada").Id, 0);
    EXPECT_EQ(view->EditContaEntrada->text(), QString());
    EXPECT_EQ(backend.count("GET", "/conta/pesquisa/0"), 0U);
}

TEST_F(EmissaoCartaoTest, TheValueIsTheServicePriceForEveryMemberAndTheChequeBlockFollowsTheForm)
{
    item("EditServico").SetValueControl(QStringLiteral("7"));
    EXPECT_EQ(view->EditValorServico->text(), QStringLiteral("37,50"));
    item("EditServico").Clear();
    EXPECT_EQ(view->EditValorServico->text(), QString());

    formaPagamento(QStringLiteral("02"));
    EXPECT_EQ(item("EditListaFormaPagamento").Id, 902);
    EXPECT_TRUE(view->RectangleChequeRecebimento->isVisibleTo(view->LayoutCampos));
    formaPagamento(QStringLiteral("01"));
    EXPECT_FALSE(view->RectangleChequeRecebimento->isVisibleTo(view->LayoutCampos));
    formaPagamento(QStringLiteral("02"));
    item("EditListaFormaPagamento").Clear();
    EXPECT_FALSE(view->RectangleChequeRecebimento->isVisibleTo(view->LayoutCampos));
}

TEST_F(EmissaoCartaoTest, AnAcceptedRenewalRunsTheSuccessProcedureAndCloses)
{
    backend.on("POST", kEmissaoValidadePath, FakeReply::empty(200));
    item("EditServico").SetValueControl(QStringLiteral("7"));

    gravar(kNo);
    EXPECT_EQ(backend.count("POST", kEmissaoValidadePath), 0U);
    EXPECT_TRUE(eventos.isEmpty());

    gravar(kYes);
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kPerguntaEmissao, kPerguntaEmissao, kSuccess }));
    EXPECT_EQ(eventos, (QStringList { QStringLiteral("sucesso"), QStringLiteral("fechada") }));
    const auto request = backend.last("POST", kEmissaoValidadePath);
    ASSERT_TRUE(request);
    const QJsonObject body = enviado();
    EXPECT_EQ(
        body.value("listDependenteContrato").toObject().value("listHelper").toArray(),
        (QJsonArray { QStringLiteral("5000000001"), QStringLiteral("12"), QStringLiteral("13") }))
        << request->body;
    EXPECT_EQ(body.value("idServico").toInteger(), 7);
    EXPECT_EQ(body.value("idContaEntrada").toInteger(), 15);
    EXPECT_EQ(body.value("listaFormaPagamento").toInteger(), 901);
    EXPECT_TRUE(body.value("dataValidadeCartao")
                    .toString()
                    .startsWith(FormatDateTime(QStringLiteral("yyyy-mm-dd"), Date() + 365)))
        << request->body;
    // Cash: the cheque still goes, with today's date and empty values.
    EXPECT_EQ(body.value("idBancoChequeRecebimento").toInteger(), 0);
    EXPECT_EQ(body.value("agenciaChequeRecebimento").toInteger(), 0);
    EXPECT_EQ(body.value("numeroChequeRecebimento").toInteger(), 0);
    EXPECT_EQ(body.value("contaChequeRecebimento").toString(), QString());
    EXPECT_TRUE(body.value("dataChequeRecebimento")
                    .toString()
                    .startsWith(FormatDateTime(QStringLiteral("yyyy-mm-dd"), Date())))
        << request->body;
}

TEST_F(EmissaoCartaoTest, ARefusalIsShownThenTheErrorProcedureRunsAndTheViewCloses)
{
    backend.on("POST", kEmissaoValidadePath, FakeReply::empty(422));
    gravar(kYes);
    ASSERT_TRUE(waitFor([this] { return eventos.size() == 2; }));
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kPerguntaEmissao,
                             QStringLiteral("ERROR:Houve um problema e não foi possível retornar "
                                            "a requisição solicitada.") }));
    EXPECT_EQ(eventos, (QStringList { QStringLiteral("erro"), QStringLiteral("fechada") }));
    EXPECT_EQ(backend.count("POST", kEmissaoValidadePath), 1U);
}

} // namespace
