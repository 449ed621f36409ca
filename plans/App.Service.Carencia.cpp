#include "App.Service.Carencia.h"

#include "Common.Dto.TextoCarencia.h"
#include "Common.Lib.JSON.h"

#include "RestRequest.h"

ZUNTA_REGISTER_SERVICE(TCarenciaService)

TCarenciaService::TCarenciaService()
    : TBaseService(QStringLiteral("TCarenciaService"))
{ }

std::unique_ptr<TTextoCarenciaDto> TCarenciaService::GetTextoCarencia(std::int64_t AIdPessoa,
                                                                      std::int64_t AIdContrato)
{
    ClearRequest();
    SetTimeOut(TextoCarenciaTimeOut);
    const bool byPessoa = AIdPessoa > 0;
    Request().AddParameter(QStringLiteral("is-by-pessoa"),
                           byPessoa ? QStringLiteral("-1") : QStringLiteral("0"));
    ExecuteGet(ResourceName() + QStringLiteral("/texto-carencia/")
                   + QString::number(byPessoa ? AIdPessoa : AIdContrato),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    if (StatusCode() != 200)
        raiseReply();
    // A missing or non-object reply is the structure error.
    return TDravikJson::JsonToObject<TTextoCarenciaDto>(ResponseJson());
}
