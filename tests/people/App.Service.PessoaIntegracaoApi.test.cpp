#include "App.Service.PessoaIntegracaoApi.h"
#include "Common.ComplexPost.VinculacaoApiFinanceira.h"
#include "Common.Dto.PessoaIntegracaoApi.h"

#include "RestRequest.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

class PessoaIntegracaoApiServiceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        backend.on("GET", "/acesso", FakeReply::json(R"({"id":1,"nome":"ANA","login":"ana"})"));
        fake.connection().Logar(QStringLiteral("ana"), QStringLiteral("segredo"));
        backend.clearRequests();
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    TPessoaIntegracaoApiService service;
};

TEST_F(PessoaIntegracaoApiServiceTest, LinkingRenewsTheTokenThenPostsTheBodyForAnHour)
{
    backend.on("POST", "/pessoa-integracao-api/vinculacao", FakeReply::text("", 200));
    TVinculacaoApiFinanceiraComplexPost vinculacao;
    vinculacao.IdCarteira = 7;
    vinculacao.VincularClientesCadastrados = true;
    vinculacao.IdMotivo = 3;
    vinculacao.IdIntegracaoApiFinanceira = 5000000000;
    service.GravarVinculacaoApiFinanceira(vinculacao);

    const std::vector<RecordedRequest> requests = backend.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].method + ' ' + requests[0].path, "POST /auth")
        << "a fresh token comes first, though the old one is still valid";
    EXPECT_EQ(requests[1].method + ' ' + requests[1].path,
              "POST /pessoa-integracao-api/vinculacao");
    const QJsonObject body
        = QJsonDocument::fromJson(QByteArray::fromStdString(requests[1].body)).object();
    EXPECT_EQ(body.value("idCarteira").toInteger(), 7);
    EXPECT_TRUE(body.value("vincularClientesCadastrados").toBool());
    EXPECT_EQ(body.value("idMotivo").toInteger(), 3);
    EXPECT_EQ(body.value("idIntegracaoApiFinanceira").toInteger(), 5000000000);
    EXPECT_TRUE(body.contains("dataInicial"));
    EXPECT_EQ(service.Request().AppliedTimeout(), 3600000);

    // The hour belonged to that call alone.
    backend.on("GET", "/pessoa-integracao-api/pessoa/1", FakeReply::empty(304));
    service.fillPessoaIntegracaoApi(1);
    EXPECT_EQ(service.Request().AppliedTimeout(), 45000);
}

TEST_F(PessoaIntegracaoApiServiceTest, RefusedLinkingRaisesTheReplyText)
{
    backend.on("POST", "/pessoa-integracao-api/vinculacao", FakeReply::text("falhou", 500));
    try {
        service.GravarVinculacaoApiFinanceira(TVinculacaoApiFinanceiraComplexPost());
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("falhou"));
    }
}

TEST_F(PessoaIntegracaoApiServiceTest, LinksOfAPersonAreReadAsOnePageAndA304GivesNone)
{
    backend.on("GET",
               "/pessoa-integracao-api/pessoa/12",
               FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":4,)"
                               R"("idIntegracaoApiFinanceira":2,"idPessoa":12,"idMotivo":0,)"
                               R"("codigoClienteIntegracaoApi":"CUS_1","motivo":""}]})"));
    const auto links = service.fillPessoaIntegracaoApi(12);
    ASSERT_TRUE(links);
    ASSERT_EQ(links->size(), 1u);
    EXPECT_EQ(links->front()->CodigoClienteIntegracaoApi, QStringLiteral("CUS_1"));
    const auto request = backend.last("GET", "/pessoa-integracao-api/pessoa/12");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->param("page").value_or(""), "1");
    EXPECT_EQ(request->param("limit").value_or(""), "100");
    EXPECT_EQ(request->header("X-Paginate").value_or(""), "true");

    backend.on("GET", "/pessoa-integracao-api/pessoa/13", FakeReply::empty(304));
    EXPECT_FALSE(service.fillPessoaIntegracaoApi(13));
}

} // namespace
