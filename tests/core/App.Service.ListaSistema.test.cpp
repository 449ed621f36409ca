#include "App.Service.ListaSistema.h"

#include "SysUtils.h"

#include "support/FakeConnection.h"

#include <gtest/gtest.h>

namespace {

class ListaSistemaServiceTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    TListaSistemaService service;

    void reply(FakeReply answer) { backend.on("GET", "/lista-sistema/", std::move(answer)); }
};

TEST_F(ListaSistemaServiceTest, AsksTheTrailingSlashPathWithCodeAndType)
{
    reply(FakeReply::json(
        R"({"total":1,"pages":1,"listHelper":[)"
        R"({"id":31,"codigo":"04","descricao":"Óbito","tipo":"BAIXA_CONTRATO"}]})"));
    EXPECT_EQ(
        service.GetListaSistemaByCodigoTipo(QStringLiteral("04"), QStringLiteral("BAIXA_CONTRATO")),
        31);
    const RecordedRequest get = *backend.last("GET", "/lista-sistema/");
    EXPECT_EQ(get.header("X-Paginate"), "true");
    EXPECT_EQ(get.param("page"), "1");
    EXPECT_EQ(get.param("limit"), "100");
    EXPECT_EQ(get.param("search"), "04");
    EXPECT_EQ(get.param("fix-filter"), "BAIXA_CONTRATO");
    EXPECT_EQ(get.body, "");
}

TEST_F(ListaSistemaServiceTest, TakesTheFirstRowWithTheCodeAskedNotMerelyTheFirstRow)
{
    reply(FakeReply::json(R"({"listHelper":[{"id":10,"codigo":"10"},{"id":21,"codigo":"01"},)"
                          R"({"id":22,"codigo":"01"}]})"));
    EXPECT_EQ(service.GetListaSistemaByCodigoTipo(QStringLiteral("01"),
                                                  QStringLiteral("FORMA_BAIXA_FINANCEIRA")),
              21);
    reply(FakeReply::json(R"({"listHelper":[{"id":10,"codigo":"10"}]})"));
    EXPECT_EQ(service.GetListaSistemaByCodigoTipo(QStringLiteral("1"), QStringLiteral("T")), 0);
}

TEST_F(ListaSistemaServiceTest, EmptyCodeSendsNoSearchAndTakesTheFirstRowOfTheType)
{
    reply(FakeReply::json(R"({"listHelper":[{"id":7,"codigo":"A"},{"id":8,"codigo":"B"}]})"));
    EXPECT_EQ(service.GetListaSistemaByCodigoTipo(QString(), QStringLiteral("STATUS")), 7);
    EXPECT_FALSE(backend.last("GET", "/lista-sistema/")->hasParam("search"));
}

TEST_F(ListaSistemaServiceTest, NotModifiedOrNoRowsGiveZeroAndOtherRepliesRaise)
{
    reply(FakeReply::empty(304));
    EXPECT_EQ(service.GetListaSistemaByCodigoTipo(QStringLiteral("A"), QStringLiteral("T")), 0);
    reply(FakeReply::json(R"({"total":0,"pages":0,"listHelper":[]})"));
    EXPECT_EQ(service.GetListaSistemaByCodigoTipo(QStringLiteral("A"), QStringLiteral("T")), 0);
    reply(FakeReply::text("ERROR:Tipo desconhecido.", 400));
    try {
        service.GetListaSistemaByCodigoTipo(QStringLiteral("A"), QStringLiteral("T"));
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("ERROR:Tipo desconhecido."));
    }
}

} // namespace
