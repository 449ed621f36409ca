#include "App.Presenter.IntegracaoApiFinanceira.h"
#include "App.Service.IntegracaoApiFinanceira.h"

#include "RestRequest.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"
#include "support/PresenterContract.h"
#include "support/ScriptedDialogs.h"
#include "support/TestTexts.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(IntegracaoApiFinanceira,
                               PresenterContract,
                               TIntegracaoApiFinanceiraPresenter);

const QString kProblema = QStringLiteral(
    "ERROR:Houve um problema e não foi possível retornar a requisição solicitada.");

// One action on integration 7: what it posts to and what the reply's status makes it show.
struct AcaoCase
{
    const char *name;
    std::function<void(TIntegracaoApiFinanceiraPresenter &)> run;
    const char *path;
    int status;
};

std::ostream &operator<<(std::ostream &out, const AcaoCase &row)
{
    return out << row.name;
}

class IntegracaoApiFinanceiraAcaoTest : public ::testing::TestWithParam<AcaoCase>
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
};

// The id travels in decimal, each flag as "-1" or "0", with no body; a refusal is shown, not
// raised.
TEST_P(IntegracaoApiFinanceiraAcaoTest, PostsToTheActionPathAndShowsTheOutcome)
{
    const AcaoCase &row = GetParam();
    backend.on("POST", row.path, FakeReply::json(R"({"ok":true})", row.status));
    auto presenter = TBasePresenter::Create<TIntegracaoApiFinanceiraPresenter>();

    row.run(*presenter);

    const auto request = backend.last("POST", row.path);
    ASSERT_TRUE(request);
    EXPECT_TRUE(request->body.empty()) << request->body;
    EXPECT_EQ(presenter->service().Request().AppliedTimeout(), 300000);
    EXPECT_EQ(dialogs.messageTexts(), QStringList { row.status == 200 ? kSuccess : kProblema });
}

INSTANTIATE_TEST_SUITE_P(
    Acoes,
    IntegracaoApiFinanceiraAcaoTest,
    ::testing::Values(AcaoCase { "WebhookOff",
                                 [](auto &p) { p.PostConfiguracao(7, false); },
                                 "/integracao-api-financeira/configuracao/7/0",
                                 200 },
                      AcaoCase { "WebhookOn",
                                 [](auto &p) { p.PostConfiguracao(7, true); },
                                 "/integracao-api-financeira/configuracao/7/-1",
                                 200 },
                      AcaoCase { "WebhookRefused",
                                 [](auto &p) { p.PostConfiguracao(7, true); },
                                 "/integracao-api-financeira/configuracao/7/-1",
                                 400 },
                      AcaoCase { "NotificationsOnForActive",
                                 [](auto &p) { p.AtualizarNotificacoes(7, true, true); },
                                 "/integracao-api-financeira/notificacao/7/-1/-1",
                                 200 },
                      AcaoCase { "NotificationsOffForAll",
                                 [](auto &p) { p.AtualizarNotificacoes(7, false, false); },
                                 "/integracao-api-financeira/notificacao/7/0/0",
                                 500 },
                      AcaoCase { "LargeId",
                                 [](auto &p) { p.PostConfiguracao(5000000000LL, false); },
                                 "/integracao-api-financeira/configuracao/5000000000/0",
                                 200 }),
    [](const ::testing::TestParamInfo<AcaoCase> &info) { return std::string(info.param.name); });

class IntegracaoApiFinanceiraServiceTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    TIntegracaoApiFinanceiraService service;
};

TEST_F(IntegracaoApiFinanceiraServiceTest, RefusedNotificationStillReturnsTheReplyText)
{
    backend.on("POST",
               "/integracao-api-financeira/notificacao/7/-1/0",
               FakeReply::text("falha na API", 500));

    EXPECT_EQ(service.PostNotificacao(7, true, false), QStringLiteral("falha na API"));
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kProblema });
}

TEST_F(IntegracaoApiFinanceiraServiceTest, ConfigurationIsReadOrRefusedOnce)
{
    backend.on("GET",
               "/integracao-api-financeira/configuracao/7",
               FakeReply::json(R"({"email":"a@b.c","habilitado":true,"interrompido":false,)"
                               R"("url":"https://x/hook","nome":"HOOK","id":"wh-1"})"));
    const auto configuracao = service.GetRecuperarConfiguracao(7);
    ASSERT_TRUE(configuracao);
    EXPECT_TRUE(configuracao->Habilitado);
    EXPECT_EQ(configuracao->Url, QStringLiteral("https://x/hook"));
    EXPECT_EQ(configuracao->Id, QStringLiteral("wh-1"));
    EXPECT_EQ(service.Request().AppliedTimeout(), 300000);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());

    backend.on("GET",
               "/integracao-api-financeira/configuracao/7",
               FakeReply::json(R"({"message":"não encontrada"})", 404));
    EXPECT_EQ(service.GetRecuperarConfiguracao(7), nullptr);
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kProblema });
}

TEST_F(IntegracaoApiFinanceiraServiceTest, ConfigurationThatIsNotJsonRaisesTheStructureError)
{
    backend.on("GET",
               "/integracao-api-financeira/configuracao/7",
               FakeReply::text("<html>ok</html>", 200));
    try {
        service.GetRecuperarConfiguracao(7);
        FAIL() << "a reply without JSON passed for a configuration";
    } catch (const Exception &failure) {
        EXPECT_EQ(failure.Message(),
                  QStringLiteral("ERROR:Estrutura do JSON não obedece os requisitos."));
    }
}

} // namespace
