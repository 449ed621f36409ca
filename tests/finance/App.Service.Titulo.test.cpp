#include "App.Service.Titulo.h"

#include "RestRequest.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TestTexts.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

class TituloServiceTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    TTituloService service;
};

TEST_F(TituloServiceTest, GerarBoletoPostsWithoutBodyAndShowsSuccess)
{
    backend.on("POST", "/titulo/gerar-boleto/77", FakeReply::empty(200));
    service.SetTimeOut(5);

    service.GerarBoleto(77);

    const auto request = backend.last("POST", "/titulo/gerar-boleto/77");
    ASSERT_TRUE(request);
    EXPECT_TRUE(request->body.empty()) << request->body;
    EXPECT_EQ(service.Request().AppliedTimeout(), 30000);
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
}

TEST_F(TituloServiceTest, GerarBoletoRefusedRaisesTheBankTextAndShowsNothing)
{
    backend.on("POST", "/titulo/gerar-boleto/77", FakeReply::text("ERROR:Banco recusou", 400));

    try {
        service.GerarBoleto(77);
        FAIL() << "a refused boleto passed for issued";
    } catch (const Exception &failure) {
        EXPECT_EQ(failure.Message(), QStringLiteral("ERROR:Banco recusou"));
    }
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

FakeReply errorPage()
{
    FakeReply reply = FakeReply::text("<html><body>Internal Server Error</body></html>", 500);
    reply.contentType = "text/html";
    return reply;
}

struct LinkBoletoCase
{
    const char *name;
    FakeReply reply;
    QString link;
};

void PrintTo(const LinkBoletoCase &row, std::ostream *out)
{
    *out << row.name;
}

class LinkBoletoTest : public TituloServiceTest,
                       public ::testing::WithParamInterface<LinkBoletoCase>
{
};

TEST_P(LinkBoletoTest, GivesTheLinkOnlyForAnAcceptedReply)
{
    backend.on("GET", "/titulo/link-boleto/77", GetParam().reply);

    EXPECT_EQ(service.GetLinkBoleto(77), GetParam().link);

    const auto request = backend.last("GET", "/titulo/link-boleto/77");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "100");
    EXPECT_EQ(service.Request().AppliedTimeout(), 30000);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

const LinkBoletoCase linkBoletoCases[] = {
    { "Link",
      FakeReply::text("https://banco.example/boleto/77"),
      QStringLiteral("https://banco.example/boleto/77") },
    { "NoBoleto", FakeReply::empty(200), QString() },
    { "ErrorPage", errorPage(), QString() },
    { "RefusalText", FakeReply::text("WARNING:Parcela sem boleto.", 404), QString() },
};

INSTANTIATE_TEST_SUITE_P(Replies,
                         LinkBoletoTest,
                         ::testing::ValuesIn(linkBoletoCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
