#include "App.Service.StatusLogWebhook.h"

#include "App.Lib.Exception.h"
#include "App.Lib.Service.Resultado.h"
#include "App.Lib.Utils.h"
#include "Common.Entity.StatusLogWebhook.h"
#include "Common.Lib.JSON.h"

#include "RestRequest.h"

ZUNTA_REGISTER_SERVICE(TStatusLogWebhookService)

TStatusLogWebhookService::TStatusLogWebhookService()
    : TBaseService(QStringLiteral("TStatusLogWebhookService"))
{ }

void TStatusLogWebhookService::BeforeRequest()
{
    TBaseService::BeforeRequest();
    SetTimeOut(LogTimeOut);
}

void TStatusLogWebhookService::cancelamentoReprocessamento(std::int64_t AId,
                                                           const QString &AJustificativa)
{
    TStatusLogWebhookEntity body;
    body.Id = AId;
    body.Mensagem = AJustificativa;
    ClearRequest();
    Request().AddBody(TDravikJson::ObjectToJson(body), QStringLiteral("application/json"));
    ExecutePost(ResourceName() + QStringLiteral("/cancelamento"));
    TServiceResultado::RaiseUnless200(*this);
}

void TStatusLogWebhookService::reprocessarParcelas()
{
    try {
        ClearRequest();
        ExecutePost(ResourceName() + QStringLiteral("/reprocessa-webhook"));
        TServiceResultado::ShowResultado(*this, true);
    } catch (...) {
        // The unreachable server is shown like a refusal: the caller searches again either way.
        TAppUtils::MessageSystem(TDravikHandleException::MessageOf(std::current_exception()));
    }
}
