#include "App.Service.PessoaIntegracaoApi.h"

#include "Common.ComplexPost.VinculacaoApiFinanceira.h"
#include "Common.Dto.PessoaIntegracaoApi.h"
#include "Common.Lib.JSON.h"

#include "RestRequest.h"

ZUNTA_REGISTER_SERVICE(TPessoaIntegracaoApiService)

TPessoaIntegracaoApiService::TPessoaIntegracaoApiService()
    : TBaseService(QStringLiteral("TPessoaIntegracaoApiService"))
{ }

std::optional<TObjectList<TPessoaIntegracaoApiDto>>
TPessoaIntegracaoApiService::fillPessoaIntegracaoApi(std::int64_t AIdPessoa)
{
    return findListByParent<TPessoaIntegracaoApiDto>(QStringLiteral("pessoa"), AIdPessoa);
}

void TPessoaIntegracaoApiService::GravarVinculacaoApiFinanceira(
    const TVinculacaoApiFinanceiraComplexPost &AVinculacao)
{
    RenewToken();
    ClearRequest();
    SetTimeOut(VinculacaoTimeOut);
    Request().AddBody(TDravikJson::ObjectToJson(AVinculacao), QStringLiteral("application/json"));
    ExecutePost(ResourceName() + QStringLiteral("/vinculacao"));
    if (StatusCode() != 200)
        raiseReply();
}
