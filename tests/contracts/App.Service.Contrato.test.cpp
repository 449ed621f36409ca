#include "App.Service.Contrato.h"
#include "Common.ComplexPost.Contrato.h"
#include "Common.Dto.AlterarDataUltimaCobrancaImportacaoContrato.h"
#include "Common.Dto.AlterarMotivoEncerramentoContrato.h"
#include "Common.Dto.AtualizacaoTitularContrato.h"
#include "Common.Dto.Contrato.h"
#include "Common.Dto.InformacoesObitoContrato.h"
#include "Common.Dto.Servico.h"
#include "Common.FilterClass.Contrato.h"

#include "RestRequest.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TestTexts.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

const QString kProblema = QStringLiteral(
    "ERROR:Houve um problema e não foi possível retornar a requisição solicitada.");

// What an action gave back, as one text; the test turns an exception into "raises:" and its text.
using ContratoAction = std::function<QString(TContratoService &)>;

QString rowsOf(const auto &AList)
{
    return AList ? QString::number(AList->size()) + QStringLiteral(" rows")
                 : QStringLiteral("none");
}

QString flag(bool AValue)
{
    return AValue ? QStringLiteral("true") : QStringLiteral("false");
}

QString alterarMotivo(TContratoService &AService)
{
    TAlterarMotivoEncerramentoContratoDto dto;
    dto.Id = 7;
    dto.OcorrenciaManual = QStringLiteral("Pedido do titular");
    dto.IdMotivo = 3;
    return flag(AService.AlterarMotivoEncerramento(dto));
}

QString atualizarOrdem(TContratoService &AService)
{
    TObjectList<TContratoDto> rows;
    for (std::int64_t id : { 5, 9 }) {
        rows.push_back(std::make_unique<TContratoDto>());
        rows.back()->Id = id;
        rows.back()->OrdemCobranca = int(id) * 10;
    }
    return flag(AService.AtualizarOrdemContratos(rows));
}

QString atualizarTitular(TContratoService &AService)
{
    TAtualizacaoTitularContratoDto dto;
    dto.Id = 7;
    dto.IdPessoaAtual = 12345678901;
    dto.IdPessoaNovo = 20;
    dto.Justificativa = QStringLiteral("Óbito");
    return flag(AService.AtualizarTitular(dto));
}

QString alterarDataUltimaCobranca(TContratoService &AService)
{
    TAlterarDataUltimaCobrancaImportacaoContratoDto dto;
    dto.Id = 7;
    dto.OcorrenciaManual = QStringLiteral("Ajuste");
    AService.AlterarDataUltimaCobrancaImportacao(dto);
    return QStringLiteral("done");
}

QString planoVigente(TContratoService &AService)
{
    return QString::number(AService.findIdPlanoPeriodoContratoVigenteByContrato(7));
}

QString informacoesObito(TContratoService &AService)
{
    return rowsOf(AService.findInformacoesObito(7));
}

QString servicosDoContrato(TContratoService &AService)
{
    return rowsOf(AService.findServicosByNumeroContrato(1234));
}

QString excluir(TContratoService &AService)
{
    return flag(AService.deleteItems(TListInt64 { 7 }, QStringLiteral("TContratoComplexPost")));
}

QString salvarAgregado(TContratoService &AService)
{
    TContratoComplexPost contrato;
    contrato.Codigo = 101;
    return QString::number(AService.postComplex(contrato)->Id);
}

struct ContratoActionCase
{
    const char *name;
    ContratoAction action;
    const char *method;
    const char *path;
    FakeReply reply;
    int timeOut;
    QString result;
    QStringList messages;
    // The start of the body sent; null when the request must carry none.
    const char *bodyStart = nullptr;
};

void PrintTo(const ContratoActionCase &row, std::ostream *out)
{
    *out << row.name;
}

class ContratoActionTest : public ::testing::TestWithParam<ContratoActionCase>
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    TContratoService service;
};

TEST_P(ContratoActionTest, SendsTheRequestAndHandlesTheReply)
{
    const ContratoActionCase &row = GetParam();
    backend.on(row.method, row.path, row.reply);
    // A short time-out left by an earlier call must not reach the action.
    service.SetTimeOut(5);

    QString result;
    try {
        result = row.action(service);
    } catch (const Exception &failure) {
        result = QStringLiteral("raises:") + failure.Message();
    }
    EXPECT_EQ(result, row.result);

    const auto request = backend.last(row.method, row.path);
    ASSERT_TRUE(request) << "nothing asked at " << row.path;
    EXPECT_EQ(backend.count(row.method, row.path), 1u);
    EXPECT_EQ(service.Request().AppliedTimeout(), row.timeOut);
    EXPECT_EQ(dialogs.messageTexts(), row.messages);
    if (row.bodyStart) {
        EXPECT_TRUE(request->body.starts_with(row.bodyStart)) << request->body;
        EXPECT_EQ(request->header("Content-Type"), "application/json");
    } else {
        EXPECT_TRUE(request->body.empty()) << request->body;
    }
    if (std::string(row.method) == "GET") {
        EXPECT_EQ(request->header("X-Paginate"), "true");
        EXPECT_EQ(request->param("page"), "1");
        EXPECT_EQ(request->param("limit"), "100");
        EXPECT_FALSE(request->hasParam("search"));
        EXPECT_FALSE(request->hasParam("fix-filter"));
    }
    if (std::string(row.method) == "DELETE") {
        EXPECT_EQ(request->header("name_class"), "TContratoComplexPost");
    }
}

const char *const kMotivoBody = R"({"ocorrenciaManual":"Pedido do titular","idMotivo":3,)";
const char *const kTitularBody = R"({"idPessoaAtual":12345678901,)";
const char *const kOrdemBody = R"({"listHelper":[{"codigo":0,)";
const char *const kDataBody = R"({"ocorrenciaManual":"Ajuste","data":)";
const char *const kObito
    = R"({"listHelper":[{"pessoaFalecido":"JOSÉ","idOrdemServico":4,"parentesco":"PAI"}]})";
const char *const kServicos = R"({"total":1,"pages":1,"listHelper":[{"id":3,"valor":300.5}]})";

const ContratoActionCase contratoActionCases[] = {
    { "MotivoAccepted",
      alterarMotivo,
      "POST",
      "/contrato/alterar-motivo-encerramento",
      FakeReply::empty(200),
      30000,
      "true",
      { kSuccess },
      kMotivoBody },
    { "MotivoRefusedWithoutBody",
      alterarMotivo,
      "POST",
      "/contrato/alterar-motivo-encerramento",
      FakeReply::empty(400),
      30000,
      "false",
      { kProblema },
      kMotivoBody },
    { "MotivoRefusedWithText",
      alterarMotivo,
      "POST",
      "/contrato/alterar-motivo-encerramento",
      FakeReply::text("WARNING:Contrato já encerrado.", 422),
      30000,
      "false",
      { "WARNING:Contrato já encerrado." },
      kMotivoBody },
    { "OrdemAccepted",
      atualizarOrdem,
      "POST",
      "/contrato/atualizar-ordem-cobranca",
      FakeReply::empty(200),
      30000,
      "true",
      { kSuccess },
      kOrdemBody },
    { "OrdemRefusedWithAnErrorPage",
      atualizarOrdem,
      "POST",
      "/contrato/atualizar-ordem-cobranca",
      FakeReply { 500, "<html><body>Internal Server Error</body></html>", "text/html", {} },
      30000,
      "false",
      { "ERROR:Resposta inválida do servidor (status 500)." },
      kOrdemBody },
    { "TitularAccepted",
      atualizarTitular,
      "POST",
      "/contrato/atualizar-titular",
      FakeReply::empty(200),
      3000000,
      "true",
      { kSuccess },
      kTitularBody },
    { "TitularRefusedWithJsonMessage",
      atualizarTitular,
      "POST",
      "/contrato/atualizar-titular",
      FakeReply::json(R"({"message":"WARNING:O novo titular já é titular de outro contrato."})",
                      400),
      3000000,
      "false",
      { "WARNING:O novo titular já é titular de outro contrato." },
      kTitularBody },
    { "DataUltimaCobrancaAccepted",
      alterarDataUltimaCobranca,
      "POST",
      "/contrato/alterar-data-ultima-cobranca-importacao",
      FakeReply::empty(200),
      30000,
      "done",
      {},
      kDataBody },
    { "DataUltimaCobrancaRefusedRaisesTheText",
      alterarDataUltimaCobranca,
      "POST",
      "/contrato/alterar-data-ultima-cobranca-importacao",
      FakeReply::text("WARNING:X", 422),
      30000,
      "raises:WARNING:X",
      {},
      kDataBody },
    { "DataUltimaCobrancaRefusedWithoutBody",
      alterarDataUltimaCobranca,
      "POST",
      "/contrato/alterar-data-ultima-cobranca-importacao",
      FakeReply::empty(422),
      30000,
      "raises:" + kProblema,
      {},
      kDataBody },
    { "PlanoVigente",
      planoVigente,
      "GET",
      "/contrato/plano_periodo_contrato/7",
      FakeReply::text("12345678901"),
      600000,
      "12345678901",
      {} },
    { "PlanoVigente304",
      planoVigente,
      "GET",
      "/contrato/plano_periodo_contrato/7",
      FakeReply::empty(304),
      600000,
      "0",
      {} },
    { "PlanoVigenteEmpty",
      planoVigente,
      "GET",
      "/contrato/plano_periodo_contrato/7",
      FakeReply::empty(200),
      600000,
      "0",
      {} },
    { "PlanoVigenteNotANumber",
      planoVigente,
      "GET",
      "/contrato/plano_periodo_contrato/7",
      FakeReply::text("abc"),
      600000,
      "0",
      {} },
    { "PlanoVigenteErrorRaises",
      planoVigente,
      "GET",
      "/contrato/plano_periodo_contrato/7",
      FakeReply::text("ERROR:Falha.", 500),
      600000,
      "raises:ERROR:Falha.",
      {} },
    { "InformacoesObito",
      informacoesObito,
      "GET",
      "/contrato/informacoes-obito/7",
      FakeReply::json(kObito),
      600000,
      "1 rows",
      {} },
    { "InformacoesObitoOtherStatusEvenWithJson",
      informacoesObito,
      "GET",
      "/contrato/informacoes-obito/7",
      FakeReply::json(kObito, 206),
      600000,
      "none",
      {} },
    { "InformacoesObitoWithoutListHelper",
      informacoesObito,
      "GET",
      "/contrato/informacoes-obito/7",
      FakeReply::json(R"({"total":0})"),
      600000,
      "none",
      {} },
    { "ServicosDoContrato",
      servicosDoContrato,
      "GET",
      "/contrato/servicos/1234",
      FakeReply::json(kServicos),
      600000,
      "1 rows",
      {} },
    { "ServicosDoContrato304",
      servicosDoContrato,
      "GET",
      "/contrato/servicos/1234",
      FakeReply::empty(304),
      600000,
      "none",
      {} },
    { "ServicosDoContratoNotJson",
      servicosDoContrato,
      "GET",
      "/contrato/servicos/1234",
      FakeReply::text("sem serviços"),
      600000,
      "none",
      {} },
    { "Excluir",
      excluir,
      "DELETE",
      "/contrato",
      FakeReply::empty(204),
      600000,
      "true",
      {},
      R"({"listHelper":[7]})" },
    { "SalvarAgregado",
      salvarAgregado,
      "POST",
      "/contrato/complex",
      FakeReply::json(R"({"id":12345678901,"codigo":101})"),
      600000,
      "12345678901",
      {},
      R"({"isAtualizaValoresContrato":false,)" },
};

INSTANTIATE_TEST_SUITE_P(Contrato,
                         ContratoActionTest,
                         ::testing::ValuesIn(contratoActionCases),
                         [](const auto &info) { return std::string(info.param.name); });

class ContratoServiceTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    TContratoService service;
};

// The list and the lookup read rows of TContratoDto with the filter as the GET body.
TEST_F(ContratoServiceTest, ListSendsTheFilterAndReadsContractRows)
{
    backend.on("GET",
               "/contrato",
               FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":12345678901,)"
                               R"("codigo":101,"titular":"MARIA","idTitular":3000000000,)"
                               R"("isSuspenso":true,"diasParcelasEmAberto":95}]})"));
    TContratoFilterClass filter;
    filter.ApenasContratosAtivos = QStringLiteral("-1#SIM");
    const auto rows
        = service.findByFilter<TContratoDto>(QStringLiteral("MARIA"), {}, 1, 20, &filter);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u);
    const TContratoDto &row = *rows->front();
    EXPECT_EQ(row.Id, 12345678901);
    EXPECT_EQ(row.Codigo, 101);
    EXPECT_EQ(row.Titular, QStringLiteral("MARIA"));
    EXPECT_EQ(row.IdTitular, 3000000000);
    EXPECT_TRUE(row.IsSuspenso);
    EXPECT_EQ(row.DiasParcelasEmAberto, 95);
    const auto request = backend.last("GET", "/contrato");
    EXPECT_NE(request->body.find(R"("apenasContratosAtivos":"-1#SIM")"), std::string::npos);
    EXPECT_EQ(request->param("search"), "MARIA");
    EXPECT_EQ(service.Request().AppliedTimeout(), TContratoService::ContratoTimeOut);
    EXPECT_EQ(TBaseService::CreateService(QStringLiteral("TContratoService"))->ResourceName(),
              QStringLiteral("/contrato"));
}

TEST_F(ContratoServiceTest, BadRepliesRaiseTheirTexts)
{
    const auto failureOf = [&](const std::function<void()> &AAction) {
        try {
            AAction();
        } catch (const Exception &failure) {
            return failure.Message();
        }
        return QString();
    };
    // A list reply that is not JSON is no page.
    backend.on("GET", "/contrato", FakeReply::text("<html>proxy</html>"));
    EXPECT_FALSE(failureOf([&] { service.findByFilter<TContratoDto>({}, {}, 1, 20); }).isEmpty());
    // An array where the saved contract is due.
    backend.on("POST", "/contrato/complex", FakeReply::json("[1,2]"));
    EXPECT_EQ(failureOf([&] { service.postComplex(TContratoComplexPost()); }),
              QStringLiteral("ERROR:Estrutura do JSON não obedece os requisitos."));
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

// A late or missing reply is the transport failure, raised even by the actions that report a
// refusal with a message: nothing was refused, nothing may read as answered.
TEST_F(ContratoServiceTest, NoReplyRaisesTheServerUnavailableText)
{
    FakeReply late = FakeReply::empty(200);
    late.delay = std::chrono::milliseconds(1000);
    backend.on("POST", "/contrato/alterar-motivo-encerramento", late);
    service.ClearRequest();
    service.SetTimeOut(100);
    EXPECT_THROW(service.ExecutePost(QStringLiteral("/contrato/alterar-motivo-encerramento")),
                 ENetHTTPClientException);

    std::unique_ptr<FakeBackend> gone = std::make_unique<FakeBackend>();
    FakeConnection unreachable { *gone };
    gone.reset();
    TAlterarMotivoEncerramentoContratoDto dto;
    try {
        service.AlterarMotivoEncerramento(dto);
        FAIL() << "no exception";
    } catch (const Exception &failure) {
        EXPECT_TRUE(
            failure.Message().startsWith(QStringLiteral("ERROR:Servidor indisponível no momento.")))
            << failure.Message().toStdString();
    }
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

} // namespace
