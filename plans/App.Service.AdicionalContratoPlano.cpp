#include "App.Service.AdicionalContratoPlano.h"

#include "Common.Dto.AdicionalContratoPlano.h"

ZUNTA_REGISTER_SERVICE(TAdicionalContratoPlanoService)

TAdicionalContratoPlanoService::TAdicionalContratoPlanoService()
    : TBaseService(QStringLiteral("TAdicionalContratoPlanoService"))
{ }

std::optional<TObjectList<TAdicionalContratoPlanoDto>>
TAdicionalContratoPlanoService::fillAdicionalContratoPlano(std::int64_t AIdPlano)
{
    return findFirstPageOf<TAdicionalContratoPlanoDto>(QStringLiteral("/plano/")
                                                       + QString::number(AIdPlano));
}
