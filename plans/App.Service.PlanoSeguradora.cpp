#include "App.Service.PlanoSeguradora.h"

#include "Common.Dto.PlanoSeguradora.h"

ZUNTA_REGISTER_SERVICE(TPlanoSeguradoraService)

TPlanoSeguradoraService::TPlanoSeguradoraService()
    : TBaseService(QStringLiteral("TPlanoSeguradoraService"))
{ }

std::optional<TObjectList<TPlanoSeguradoraDto>>
TPlanoSeguradoraService::fillPlanoSeguradora(std::int64_t AIdSeguradora)
{
    ClearRequest();
    ExecuteGet(ResourceName() + QStringLiteral("/seguradora/") + QString::number(AIdSeguradora),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    return readReplyPage<TPlanoSeguradoraDto>();
}
