#include "App.Service.ServicoDependentePlano.h"

#include "Common.Dto.ServicoDependentePlano.h"

ZUNTA_REGISTER_SERVICE(TServicoDependentePlanoService)

TServicoDependentePlanoService::TServicoDependentePlanoService()
    : TBaseService(QStringLiteral("TServicoDependentePlanoService"))
{ }

std::optional<TObjectList<TServicoDependentePlanoDto>>
TServicoDependentePlanoService::fillServicoDependentePlano(std::int64_t AIdPlano)
{
    return findFirstPageOf<TServicoDependentePlanoDto>(QStringLiteral("/plano/")
                                                       + QString::number(AIdPlano));
}
