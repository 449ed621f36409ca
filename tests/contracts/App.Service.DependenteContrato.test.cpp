#include "App.Service.DependenteContrato.h"
#include "Common.ComplexPost.DependenteContrato.ValidadeCartao.h"
#include "Common.Dto.DependenteContrato.ValidadeCartao.h"
#include "Common.Dto.DependenteContrato.h"
#include "Common.Dto.FechamentoOrdemServico.h"

#include "RestRequest.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TestTexts.h"
#include "support/FailureOf.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

const QString kProblemaDependente = QStringLiteral(
    "ERROR:Houve um problema e não foi possível retornar a requisição solicitada.");

const char *const kDependentes
    = R"({"total":2,"pages":1,"listHelper":[{"id":12345678901,"idPessoa":3000000000,)"
      R"("listaParentesco":3000000001,"pessoa":"ANA","codigoParentesco":"01","numeroContrato":55},)"
      R"({"id":2,"pessoa":"JOÃO","codigoParentesco":"03","isFalecido":true}]})";

class DependenteContratoServiceTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    TDependenteContratoService service;
};

TEST_F(DependenteContratoServiceTest, ActiveMembersSendSearchOnlyWhenTyped)
{
    const char *path = "/dependente-contrato/ativo/7";
    backend.on("GET", path, FakeReply::json(kDependentes));
    service.SetTimeOut(5);
    const auto rows = service.fillDependenteAtivo(7, true, QStringLiteral("ANA MARIA"));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2u);
    const TDependenteContratoDto &titular = *rows->front();
    EXPECT_EQ(titular.Id, 12345678901);
    EXPECT_EQ(titular.IdPessoa, 3000000000);
    EXPECT_EQ(titular.ListaParentesco, 3000000001);
    EXPECT_EQ(titular.CodigoParentesco, QStringLiteral("01"));
    EXPECT_EQ(titular.NumeroContrato, 55);
    EXPECT_TRUE(rows->back()->IsFalecido);

    auto request = backend.last("GET", path);
    EXPECT_EQ(request->param("search"), "ANA MARIA");
    EXPECT_EQ(request->param("is-filter-faixa-etaria"), "-1");
    EXPECT_EQ(request->header("X-Paginate"), "true");
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "200");
    EXPECT_TRUE(request->body.empty());
    EXPECT_EQ(service.Request().AppliedTimeout(), TBaseService::DefaultTimeOut);

    service.fillDependenteAtivo(7, false, QString());
    request = backend.last("GET", path);
    EXPECT_FALSE(request->hasParam("search"));
    EXPECT_EQ(request->param("is-filter-faixa-etaria"), "0");
}

// Every member read is one page of 200; 304, a reply without JSON and one without "listHelper"
// give no list, an error reply raises its text.
TEST_F(DependenteContratoServiceTest, MemberReadsAnswerNoListOrRaise)
{
    struct Read
    {
        const char *path;
        std::function<std::optional<TObjectList<TDependenteContratoDto>>()> fill;
    };
    const Read reads[] = {
        { "/dependente-contrato/contrato/12345678901",
          [&] { return service.fillDependenteContrato(12345678901); } },
        { "/dependente-contrato/contrato/7/plano/3000000000",
          [&] { return service.fillDependenteContratoByPlano(7, 3000000000); } },
        { "/dependente-contrato/ativo/7",
          [&] { return service.fillDependenteAtivo(7, false, {}); } },
    };
    for (const Read &read : reads) {
        backend.on("GET", read.path, FakeReply::json(kDependentes));
        const auto rows = read.fill();
        EXPECT_TRUE(rows && rows->size() == 2u) << read.path;
        EXPECT_EQ(backend.last("GET", read.path)->param("limit"), "200") << read.path;

        for (const FakeReply &none : { FakeReply::empty(304),
                                       FakeReply::text("nenhum dependente"),
                                       FakeReply::json(R"({"total":0,"pages":0})") }) {
            backend.on("GET", read.path, none);
            EXPECT_FALSE(read.fill()) << read.path << " " << none.body;
        }
        backend.on(
            "GET", read.path, FakeReply::json(R"({"message":"ERROR:Contrato inexistente."})", 500));
        EXPECT_EQ(FailureOf([&] { read.fill(); }), QStringLiteral("ERROR:Contrato inexistente."))
            << read.path;
    }
}

TEST_F(DependenteContratoServiceTest, HolderCheckReadsTheClosingRecordAndRaisesForAnError)
{
    const char *path = "/dependente-contrato/is-titular/3000000000";
    backend.on("GET",
               path,
               FakeReply::json(R"({"idContratoTitular":12345678901,"isFalecidoTitular":true,)"
                               R"("isFalecidoDependente":false,"quantidadeDependentesAtivos":3})"));
    const auto fechamento = service.findDependenteIsTitular(3000000000);
    ASSERT_TRUE(fechamento);
    EXPECT_EQ(fechamento->IdContratoTitular, 12345678901);
    EXPECT_TRUE(fechamento->IsFalecidoTitular);
    EXPECT_EQ(fechamento->QuantidadeDependentesAtivos, 3);
    EXPECT_EQ(service.Request().AppliedTimeout(), 30000);
    EXPECT_EQ(backend.last("GET", path)->param("limit"), "100");

    // An error must not read as "not a holder".
    backend.on("GET", path, FakeReply::json(R"({"message":"ERROR:Falha na consulta."})", 500));
    EXPECT_EQ(FailureOf([&] { service.findDependenteIsTitular(3000000000); }),
              QStringLiteral("ERROR:Falha na consulta."));
    backend.on("GET", path, FakeReply::text("WARNING:Pessoa não localizada.", 404));
    EXPECT_EQ(FailureOf([&] { service.findDependenteIsTitular(3000000000); }),
              QStringLiteral("WARNING:Pessoa não localizada."));
    backend.on("GET", path, FakeReply::json("[]"));
    EXPECT_EQ(FailureOf([&] { service.findDependenteIsTitular(3000000000); }),
              QStringLiteral("ERROR:Estrutura do JSON não obedece os requisitos."));
}

TEST_F(DependenteContratoServiceTest, CardValiditySendsTheIdsAsAGetBody)
{
    const char *path = "/dependente-contrato/validade-cartao";
    backend.on("GET",
               path,
               FakeReply::json(R"({"listHelper":[{"dataValidadeCartao":"2027-03-31T00:00:00.000Z",)"
                               R"("idContrato":12345678901}]})"));
    const auto rows = service.findValidadeCartao(TListInt64 { 11, 12 });
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ(rows->front()->IdContrato, 12345678901);
    EXPECT_EQ(DateTimeToQDateTime(rows->front()->DataValidadeCartao).date(), QDate(2027, 3, 31));
    const auto request = backend.last("GET", path);
    EXPECT_EQ(request->body, R"({"listHelper":[11,12]})");
    EXPECT_EQ(request->header("Content-Type"), "application/json");
    EXPECT_EQ(request->param("limit"), "100");
    EXPECT_EQ(service.Request().AppliedTimeout(), 30000);

    backend.clearRequests();
    EXPECT_FALSE(service.findValidadeCartao(TListInt64 {}));
    EXPECT_TRUE(backend.requests().empty());
}

TEST_F(DependenteContratoServiceTest, SavingCardValidityRaisesTheReplyOrTheProblemText)
{
    const char *path = "/dependente-contrato/validade-cartao";
    TValidadeCartaoDependenteContratoComplexPost validade;
    *validade.ListDependenteContrato = QStringList { "11", "12" };
    validade.IdServico = 9;

    backend.on("POST", path, FakeReply::empty(200));
    EXPECT_EQ(FailureOf([&] { service.postValidadeCartao(validade); }), QString());
    const auto request = backend.last("POST", path);
    EXPECT_NE(request->body.find(R"("listDependenteContrato":{"listHelper":["11","12"]})"),
              std::string::npos)
        << request->body;
    EXPECT_EQ(service.Request().AppliedTimeout(), 60000);

    backend.on("POST", path, FakeReply::empty(422));
    EXPECT_EQ(FailureOf([&] { service.postValidadeCartao(validade); }), kProblemaDependente);
    backend.on("POST", path, FakeReply::text("WARNING:Serviço sem valor.", 422));
    EXPECT_EQ(FailureOf([&] { service.postValidadeCartao(validade); }),
              QStringLiteral("WARNING:Serviço sem valor."));
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(DependenteContratoServiceTest, DrawNumbersShowTheOutcomeAndReturn)
{
    const char *path = "/dependente-contrato/numero-sorteio";
    backend.on("POST", path, FakeReply::empty(200));
    EXPECT_TRUE(service.AtualizarNumerosSorteioFaltantes());
    backend.on("POST", path, FakeReply::text("ERROR:Falha interna.", 500));
    EXPECT_FALSE(service.AtualizarNumerosSorteioFaltantes());
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kSuccess, kProblemaDependente }));
    EXPECT_TRUE(backend.last("POST", path)->body.empty());
    EXPECT_EQ(service.Request().AppliedTimeout(), 30000);
}

} // namespace
