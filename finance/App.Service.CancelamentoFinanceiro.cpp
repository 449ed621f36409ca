#include "App.Service.CancelamentoFinanceiro.h"

#include "Common.ComplexPost.CancelamentoFinanceiro.h"
#include "Common.Lib.JSON.h"

#include "RestRequest.h"

ZUNTA_REGISTER_SERVICE(TCancelamentoFinanceiroService)

TCancelamentoFinanceiroService::TCancelamentoFinanceiroService()
    : TBaseService(QStringLiteral("TCancelamentoFinanceiroService"))
{ }

void TCancelamentoFinanceiroService::postCancelamentoFinanceiroEmLote(
    const TCancelamentoFinanceiroComplexPost &AComplexPost)
{
    ClearRequest();
    SetTimeOut(EmLoteTimeOut);
    Request().AddBody(TDravikJson::ObjectToJson(AComplexPost), QStringLiteral("application/json"));
    ExecutePost(ResourceName() + QStringLiteral("/complex"));
    if (StatusCode() != 200)
        raiseReply();
}
