#include "App.Service.IntegracaoApiFinanceira.h"

#include "App.Lib.Service.Resultado.h"
#include "Common.Lib.JSON.h"

ZUNTA_REGISTER_SERVICE(TIntegracaoApiFinanceiraService)

namespace {

QString flagIntegracaoApi(bool AValue)
{
    return AValue ? QStringLiteral("-1") : QStringLiteral("0");
}

} // namespace

TIntegracaoApiFinanceiraService::TIntegracaoApiFinanceiraService()
    : TBaseService(QStringLiteral("TIntegracaoApiFinanceiraService"))
{ }

std::unique_ptr<TConfiguracaoPagamentoEletronico>
TIntegracaoApiFinanceiraService::GetRecuperarConfiguracao(std::int64_t AId)
{
    ClearRequest();
    SetTimeOut(ApiTimeOut);
    ExecuteGet(ResourceName() + QStringLiteral("/configuracao/") + QString::number(AId),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    if (StatusCode() != 200) {
        TServiceResultado::ShowResultado(*this, false);
        return nullptr;
    }
    return TDravikJson::JsonToObject<TConfiguracaoPagamentoEletronico>(ResponseJson());
}

void TIntegracaoApiFinanceiraService::PostConfiguracao(std::int64_t AId, bool AAtivar)
{
    ClearRequest();
    SetTimeOut(ApiTimeOut);
    ExecutePost(ResourceName() + QStringLiteral("/configuracao/") + QString::number(AId) + u'/'
                + flagIntegracaoApi(AAtivar));
    TServiceResultado::ShowResultado(*this, false);
}

QString TIntegracaoApiFinanceiraService::PostNotificacao(std::int64_t AId,
                                                         bool AHabilitar,
                                                         bool ASomenteAtivos)
{
    ClearRequest();
    SetTimeOut(ApiTimeOut);
    ExecutePost(ResourceName() + QStringLiteral("/notificacao/") + QString::number(AId) + u'/'
                + flagIntegracaoApi(AHabilitar) + u'/' + flagIntegracaoApi(ASomenteAtivos));
    TServiceResultado::ShowResultado(*this, false);
    return ResponseContent();
}
