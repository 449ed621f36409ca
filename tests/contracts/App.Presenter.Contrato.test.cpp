#include "App.Presenter.Contrato.h"
#include "App.Service.SimuladorCalculo.h"
#include "Common.Dto.SimuladorCalculo.h"
#include "Common.FilterClass.SimuladorCalculo.h"

#include "DateTime.h"
#include "MemTable.h"
#include "RestRequest.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"
#include "support/PresenterContract.h"
#include "support/ScriptedDialogs.h"
#include "support/TestTexts.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

INSTANTIATE_TYPED_TEST_SUITE_P(Contrato, PresenterContract, TContratoPresenter);

namespace {

const QString kContratoGuarda
    = QStringLiteral("WARNING:Para realizar a pesquisa é necessário 3 letras no mínimo.");

QJsonObject contratoJsonOf(const std::string &ABody)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(ABody)).object();
}

class ContratoPresenterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        backend.on("GET", "/contrato", FakeReply::json(R"({"total":0,"pages":0,"listHelper":[]})"));
        presenter->Paginate.Page = 1;
        presenter->Paginate.Limit = 100;
    }

    // The list load as the row list runs it; the refusal's text, or empty when it ran.
    QString pesquisar(const QString &ATexto)
    {
        presenter->TextSearch = ATexto;
        try {
            presenter->findByFilterToDataSet();
        } catch (const Exception &failure) {
            return failure.Message();
        }
        return QString();
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    std::unique_ptr<TContratoPresenter> presenter = TBasePresenter::Create<TContratoPresenter>();
};

struct ContratoGuardaCase
{
    const char *name;
    const char *search;
    std::function<void(TContratoPresenter &)> prepare;
    bool accepted;
};

void PrintTo(const ContratoGuardaCase &ARow, std::ostream *AOut)
{
    *AOut << ARow.name;
}

class ContratoGuardaTest : public ContratoPresenterTest,
                           public ::testing::WithParamInterface<ContratoGuardaCase>
{
};

TEST_P(ContratoGuardaTest, RefusesShortTextsWithoutCriteriaBeforeAnyRequest)
{
    const ContratoGuardaCase &row = GetParam();
    if (row.prepare)
        row.prepare(*presenter);

    const QString refusal = pesquisar(QString::fromUtf8(row.search));

    EXPECT_EQ(refusal, row.accepted ? QString() : kContratoGuarda);
    EXPECT_EQ(backend.count("GET", "/contrato"), row.accepted ? 1U : 0U);
}

const ContratoGuardaCase contratoGuardaCases[] = {
    { "TwoLettersAlone", "ab", {}, false },
    { "EmptyAlone", "", {}, false },
    { "TwoDigitsAreANumber", "12", {}, true },
    { "ThreeLetters", "abc", {}, true },
    { "TwoLettersWithPortfolio",
      "ab",
      [](TContratoPresenter &p) { p.filter()->IdCarteira = QStringLiteral("4#CENTRO"); },
      true },
    { "TwoLettersWithSellerOnly",
      "ab",
      [](TContratoPresenter &p) { p.filter()->IdVendedor = QStringLiteral("2#ANA"); },
      true },
    { "TwoLettersWithOnlyActiveContracts",
      "ab",
      [](TContratoPresenter &p) { p.SetFiltrarApenasAtivo(true); },
      false },
    { "TwoLettersSearchingMembersOnly",
      "ab",
      [](TContratoPresenter &p) { p.filter()->PesquisarPorDependentes = QStringLiteral("-1#SIM"); },
      false },
    { "EmptyInCollectionOrder",
      "",
      [](TContratoPresenter &p) { p.OrdenacaoCarteira = true; },
      true },
};
INSTANTIATE_TEST_SUITE_P(Contrato,
                         ContratoGuardaTest,
                         ::testing::ValuesIn(contratoGuardaCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ContratoPresenterTest, SearchSendsTheTextAndTheFilterBodyWithTheLongTimeOut)
{
    presenter->SetFiltrarApenasAtivo(true);
    ASSERT_EQ(pesquisar(QStringLiteral("abc")), QString());

    const auto request = backend.last("GET", "/contrato");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "100");
    EXPECT_EQ(request->param("search"), "abc");
    const QJsonObject body = contratoJsonOf(request->body);
    EXPECT_EQ(body.value("apenasContratosAtivos").toString(), QStringLiteral("-1#SIM"));
    EXPECT_EQ(body.value("idCarteira").toString(), QString());
    EXPECT_EQ(presenter->service().Request().AppliedTimeout(), TContratoService::ContratoTimeOut);
}

TEST_F(ContratoPresenterTest, OnlyTrueRestrictsToActiveContracts)
{
    presenter->SetFiltrarApenasAtivo(false);
    EXPECT_EQ(presenter->filter()->ApenasContratosAtivos, QString());
    // Without a filter object the restriction creates one.
    presenter->SetFilterClass(nullptr);
    presenter->SetFiltrarApenasAtivo(true);
    ASSERT_NE(presenter->filter(), nullptr);
    EXPECT_EQ(presenter->filter()->ApenasContratosAtivos, QStringLiteral("-1#SIM"));
}

TEST_F(ContratoPresenterTest, PortfolioOrderReadsEveryPageAndStoresEveryRowsOrder)
{
    // The order view knows the presenter only through its interface.
    auto *ordem = dynamic_cast<IOrdemContratoCarteiraContratoPresenter *>(presenter.get());
    ASSERT_NE(ordem, nullptr);
    // Two pages of one contract each: the order covers both, whatever page the list was on.
    backend.on("GET", "/contrato", [](const RecordedRequest &request) {
        return request.param("page") == "2"
            ? FakeReply::json(R"({"total":2,"pages":2,"listHelper":[{"id":6,"ordemCobranca":1}]})")
            : FakeReply::json(R"({"total":2,"pages":2,"listHelper":[{"id":5,"ordemCobranca":2}]})");
    });
    presenter->Paginate.Limit = 1;
    presenter->Paginate.Page = 2;
    ordem->SetOrdenacaoCarteira(true);
    EXPECT_EQ(pesquisar(QStringLiteral("A")), QString());
    EXPECT_EQ(backend.count("GET", "/contrato"), 2U);
    TMemTable &table = presenter->DataSetInfo();
    ASSERT_EQ(table.RecordCount(), 2);
    table.First();
    table.Edit();
    table.FieldByName(QStringLiteral("ORDEM_COBRANCA"))->SetAsInteger(3);
    table.Post();

    backend.on("POST", "/contrato/atualizar-ordem-cobranca", FakeReply::empty(200));
    EXPECT_TRUE(ordem->AtualizarOrdemContratos(table));
    const auto post = backend.last("POST", "/contrato/atualizar-ordem-cobranca");
    ASSERT_TRUE(post);
    EXPECT_NE(post->body.find(R"("id":5)"), std::string::npos) << post->body;
    EXPECT_NE(post->body.find(R"("ordemCobranca":3)"), std::string::npos) << post->body;
    EXPECT_NE(post->body.find(R"("id":6)"), std::string::npos) << post->body;
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
}

TEST_F(ContratoPresenterTest, ClearingForgetsRemovedChildrenPasswordResetsAndTheOccurrence)
{
    for (QStringList *list : { &presenter->ListRemoveEndereco,
                               &presenter->ListRemoveContato,
                               &presenter->ListRemovePessoaIntegracaoApi,
                               &presenter->ListRemoveDependenteContrato,
                               &presenter->ListRemoveServicoContrato,
                               &presenter->ListRemovePeriodoContrato,
                               &presenter->ListRemovePlanoPeriodoContrato,
                               &presenter->ListRemoveServicoDependente,
                               &presenter->ListRemoveBeneficiarioDependenteContrato,
                               &presenter->ListRemoveAssinaturaContratoIntegracao,
                               &presenter->ListRemovePlanoDependenteContrato })
        *list << QStringLiteral("41");
    presenter->ListResetarSenhasWebContatos.push_back(9);
    presenter->OcorrenciaManual = QStringLiteral("PLANO CANCELADO A PEDIDO\r\n");

    presenter->Clear(true, false);

    for (const QStringList *list : { &presenter->ListRemoveEndereco,
                                     &presenter->ListRemoveContato,
                                     &presenter->ListRemovePessoaIntegracaoApi,
                                     &presenter->ListRemoveDependenteContrato,
                                     &presenter->ListRemoveServicoContrato,
                                     &presenter->ListRemovePeriodoContrato,
                                     &presenter->ListRemovePlanoPeriodoContrato,
                                     &presenter->ListRemoveServicoDependente,
                                     &presenter->ListRemoveBeneficiarioDependenteContrato,
                                     &presenter->ListRemoveAssinaturaContratoIntegracao,
                                     &presenter->ListRemovePlanoDependenteContrato })
        EXPECT_TRUE(list->isEmpty());
    EXPECT_TRUE(presenter->ListResetarSenhasWebContatos.empty());
    EXPECT_EQ(presenter->OcorrenciaManual, QString());
}

TEST_F(ContratoPresenterTest, DeathInformationIsOneLinePerDeceasedInTheReplyOrder)
{
    backend.on(
        "GET",
        "/contrato/informacoes-obito/7",
        FakeReply::json(
            R"({"listHelper":[{"pessoaFalecido":"JOSÉ DA SILVA","idOrdemServico":5000000001,"parentesco":"PAI"},)"
            R"({"pessoaFalecido":"MARIA","idOrdemServico":12,"parentesco":"MÃE"}]})"));

    EXPECT_EQ(presenter->findInformacoesObito(7),
              QStringLiteral("JOSÉ DA SILVA - PAI: está como falecido na ordem de serviço em "
                             "aberto: 5000000001\r\n"
                             "MARIA - MÃE: está como falecido na ordem de serviço em aberto: 12"));
}

TEST_F(ContratoPresenterTest, DeathInformationIsEmptyAndSilentWhenItCannotBeRead)
{
    backend.on("GET", "/contrato/informacoes-obito/7", FakeReply::json(R"({"listHelper":[]})"));
    EXPECT_EQ(presenter->findInformacoesObito(7), QString());
    backend.on("GET", "/contrato/informacoes-obito/7", FakeReply::text("falhou", 500));
    EXPECT_EQ(presenter->findInformacoesObito(7), QString());

    std::unique_ptr<FakeBackend> gone = std::make_unique<FakeBackend>();
    FakeConnection unreachable { *gone };
    gone.reset();
    EXPECT_EQ(presenter->findInformacoesObito(7), QString());
    EXPECT_EQ(dialogs.messageTexts(), QStringList());
}

// The plans of a period as the plan sub-form keeps them: one ended yesterday, one open, one
// ending later, shown through a filter of the window's own.
class ContratoTotalTest : public ContratoPresenterTest
{
protected:
    void SetUp() override
    {
        ContratoPresenterTest::SetUp();
        planos.AddField(QStringLiteral("ID"), TFieldType::LargeInt);
        planos.AddField(QStringLiteral("ID_PLANO"), TFieldType::LargeInt);
        planos.AddField(QStringLiteral("DATA_FINAL"), TFieldType::DateTime);
        planos.CreateDataSet();
        presenter->SetDataSetPlanoPeriodoContrato(&planos);
        presenter->IdRegistro = 5000000001;
    }

    void plano(std::int64_t AId, std::int64_t AIdPlano, TDateTime ADataFinal)
    {
        planos.Append();
        planos.FieldByName(QStringLiteral("ID"))->SetAsLargeInt(AId);
        planos.FieldByName(QStringLiteral("ID_PLANO"))->SetAsLargeInt(AIdPlano);
        planos.FieldByName(QStringLiteral("DATA_FINAL"))->SetAsDateTime(ADataFinal);
        planos.Post();
    }

    QJsonObject simulacao() const
    {
        const auto request = backend.last("GET", "/simulador-calculo");
        return request ? contratoJsonOf(request->body) : QJsonObject();
    }

    TMemTable planos { QStringLiteral("plano_periodo_contrato") };
};

TEST_F(ContratoTotalTest, PricesTheRunningPlanAndAddsTheFourParts)
{
    backend.on("GET",
               "/simulador-calculo",
               FakeReply::json(R"({"valorPlano":100,"valorDependentesAdicionais":20,)"
                               R"("valorServicosAdicionaisContrato":5.5,)"
                               R"("valorServicosAdicionaisDependentesContrato":4.5})"));
    plano(1, 5, TDateTime(Date().Value() - 1));
    plano(2, 7, TDateTime());
    plano(3, 9, TDateTime(Date().Value() + 30));
    planos.SetFilter(QStringLiteral("ID < 3"));
    planos.SetFiltered(true);

    EXPECT_DOUBLE_EQ(presenter->TotalizarValorContrato(), 130.0);

    const QJsonObject body = simulacao();
    EXPECT_EQ(body.value("idPlano").toInteger(), 7);
    EXPECT_EQ(body.value("idContrato").toInteger(), 5000000001);
    // The window's table shows what it showed before.
    EXPECT_EQ(planos.Filter(), QStringLiteral("ID < 3"));
    EXPECT_TRUE(planos.Filtered());
    EXPECT_EQ(planos.RecordCount(), 2);
}

TEST_F(ContratoTotalTest, AContractWhosePlansAllEndedIsPricedWithoutPlan)
{
    backend.on("GET", "/simulador-calculo", FakeReply::json(R"({"valorPlano":0})"));
    plano(1, 5, TDateTime(Date().Value() - 1));
    plano(2, 6, TDateTime(Date().Value() - 200));

    presenter->TotalizarValorContrato();

    EXPECT_EQ(simulacao().value("idPlano").toInteger(), 0);
    EXPECT_FALSE(planos.Filtered());
    EXPECT_EQ(planos.RecordCount(), 2);
}

TEST_F(ContratoTotalTest, ARefusedPriceCountsZero)
{
    plano(2, 7, TDateTime());
    // A refusal carrying JSON is no price of 0 with a success look: it is a failure too.
    backend.on("GET", "/simulador-calculo", FakeReply::json(R"({"valorPlano":80})", 400));
    EXPECT_EQ(presenter->TotalizarValorContrato(), 0.0);
    backend.on("GET", "/simulador-calculo", FakeReply::text("Erro interno", 500));
    EXPECT_EQ(presenter->TotalizarValorContrato(), 0.0);
    EXPECT_EQ(dialogs.messageTexts(), QStringList());
}

TEST_F(ContratoTotalTest, AClosedPlansTableFailsWithItsFilterPutBack)
{
    planos.SetFilter(QStringLiteral("ID < 3"));
    planos.Close();
    EXPECT_ANY_THROW(presenter->TotalizarValorContrato());
    EXPECT_EQ(planos.Filter(), QStringLiteral("ID < 3"));
    EXPECT_EQ(backend.count("GET", "/simulador-calculo"), 0U);
}

TEST_F(ContratoPresenterTest, LastPlanIsTheFirstPlanOfTheContractsFirstPeriod)
{
    TMemTable periodos(QStringLiteral("periodo_contrato"));
    periodos.AddField(QStringLiteral("ID"), TFieldType::LargeInt);
    periodos.AddField(QStringLiteral("ID_CONTRATO"), TFieldType::LargeInt);
    periodos.CreateDataSet();
    TMemTable planos(QStringLiteral("plano_periodo_contrato"));
    planos.AddField(QStringLiteral("ID"), TFieldType::LargeInt);
    planos.AddField(QStringLiteral("ID_PERIODO_CONTRATO"), TFieldType::LargeInt);
    planos.CreateDataSet();
    const auto linha
        = [](TMemTable &ATable, const char *AColumn, std::int64_t AId, std::int64_t AFk) {
              ATable.Append();
              ATable.FieldByName(QStringLiteral("ID"))->SetAsLargeInt(AId);
              ATable.FieldByName(QLatin1String(AColumn))->SetAsLargeInt(AFk);
              ATable.Post();
          };
    linha(periodos, "ID_CONTRATO", 30, 8);
    linha(periodos, "ID_CONTRATO", 31, 7);
    linha(periodos, "ID_CONTRATO", 32, 7);
    linha(planos, "ID_PERIODO_CONTRATO", 40, 30);
    linha(planos, "ID_PERIODO_CONTRATO", 5000000041, 31);
    linha(planos, "ID_PERIODO_CONTRATO", 42, 31);

    EXPECT_EQ(presenter->getLastIdPlanoPeriodoContrato(7), 0) << "without the tables";
    presenter->SetDataSetPeriodoContrato(&periodos);
    presenter->SetDataSetPlanoPeriodoContrato(&planos);
    EXPECT_EQ(presenter->getLastIdPlanoPeriodoContrato(7), 5000000041);
    EXPECT_EQ(presenter->getLastIdPlanoPeriodoContrato(9), 0);
    planos.Close();
    EXPECT_EQ(presenter->getLastIdPlanoPeriodoContrato(7), 0);
}

// The price request itself.
class SimuladorCalculoServiceTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    TSimuladorCalculoService service;
    TSimuladorCalculoFilterClass calculo;
};

TEST_F(SimuladorCalculoServiceTest, AsksWithTheFilterAsBodyAndReadsThePrice)
{
    backend.on("GET",
               "/simulador-calculo",
               FakeReply::json(
                   R"({"valorPlano":59.9,"descricaoPlano":"OURO","quantidadeParcelasPlano":12})"));
    calculo.IdContrato = 5000000001;

    const auto valores = service.GetValoresContrato(calculo);

    EXPECT_DOUBLE_EQ(valores->ValorPlano, 59.9);
    EXPECT_EQ(valores->DescricaoPlano, QStringLiteral("OURO"));
    EXPECT_EQ(valores->QuantidadeParcelasPlano, 12);
    const auto request = backend.last("GET", "/simulador-calculo");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->header("X-Paginate"), "true");
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "100");
    EXPECT_EQ(service.Request().AppliedTimeout(), TBaseService::DefaultTimeOut);
    const QJsonObject body = contratoJsonOf(request->body);
    EXPECT_EQ(body.value("idContrato").toInteger(), 5000000001);
    EXPECT_EQ(body.value("idPlano").toInteger(), 0);
    for (const char *lista :
         { "listServicoDependente", "listServicoContrato", "listDependenteContrato" })
        EXPECT_TRUE(body.value(QLatin1String(lista)).toObject().value("listHelper").isArray())
            << lista;
    EXPECT_FALSE(body.value("isBaixaReprocessamento").toBool());
}

TEST_F(SimuladorCalculoServiceTest, ARefusalRaisesItsTextInsteadOfReadingAPrice)
{
    const struct
    {
        FakeReply reply;
        QString message;
    } cases[] = {
        { FakeReply::text("WARNING:Contrato sem plano.", 500),
          QStringLiteral("WARNING:Contrato sem plano.") },
        { FakeReply::json(R"({"message":"WARNING:Plano inválido."})", 400),
          QStringLiteral("WARNING:Plano inválido.") },
        { FakeReply::text("WARNING:Sem cálculo.", 200), QStringLiteral("WARNING:Sem cálculo.") },
    };
    for (const auto &row : cases) {
        backend.on("GET", "/simulador-calculo", row.reply);
        try {
            service.GetValoresContrato(calculo);
            ADD_FAILURE() << "no exception for " << row.message.toStdString();
        } catch (const Exception &failure) {
            EXPECT_EQ(failure.Message(), row.message);
        }
    }
}

} // namespace
