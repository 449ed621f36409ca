#include "App.Service.ServicoDependente.h"

#include "Common.Dto.ServicoDependente.h"

ZUNTA_REGISTER_SERVICE(TServicoDependenteService)

TServicoDependenteService::TServicoDependenteService()
    : TBaseService(QStringLiteral("TServicoDependenteService"))
{ }

std::optional<TObjectList<TServicoDependenteDto>> TServicoDependenteService::fillServicoDependente(std::int64_t AIdContrato)
{
    return findListByParent<TServicoDependenteDto>(QStringLiteral("contrato"), AIdContrato);
}
