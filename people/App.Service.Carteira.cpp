#include "App.Service.Carteira.h"

#include "Common.ComplexPost.AlteracaoTituloCarteira.h"
#include "Common.Lib.JSON.h"

#include "RestRequest.h"

ZUNTA_REGISTER_SERVICE(TCarteiraService)

TCarteiraService::TCarteiraService()
    : TBaseService(QStringLiteral("TCarteiraService"))
{ }

void TCarteiraService::postAlteracaoTitulo(const TAlteracaoTituloCarteiraComplexPost &AComplexPost)
{
    ClearRequest();
    SetTimeOut(45000);
    Request().AddBody(TDravikJson::ObjectToJson(AComplexPost), QStringLiteral("application/json"));
    ExecutePost(ResourceName() + QStringLiteral("/alteracao-titulo"));
    if (StatusCode() != 200)
        raiseReply();
}
