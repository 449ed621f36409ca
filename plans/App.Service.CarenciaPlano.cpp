#include "App.Service.CarenciaPlano.h"

#include "Common.Dto.CarenciaPlano.h"

ZUNTA_REGISTER_SERVICE(TCarenciaPlanoService)

TCarenciaPlanoService::TCarenciaPlanoService()
    : TBaseService(QStringLiteral("TCarenciaPlanoService"))
{ }

std::optional<TObjectList<TCarenciaPlanoDto>>
TCarenciaPlanoService::fillCarenciaPlano(std::int64_t AIdPlano)
{
    return findFirstPageOf<TCarenciaPlanoDto>(QStringLiteral("/plano/")
                                              + QString::number(AIdPlano));
}
