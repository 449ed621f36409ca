#include "App.Service.DependentePlano.h"

#include "Common.Dto.DependentePlano.h"

ZUNTA_REGISTER_SERVICE(TDependentePlanoService)

TDependentePlanoService::TDependentePlanoService()
    : TBaseService(QStringLiteral("TDependentePlanoService"))
{ }

std::optional<TObjectList<TDependentePlanoDto>>
TDependentePlanoService::fillDependentePlano(std::int64_t AIdPlano)
{
    return findFirstPageOf<TDependentePlanoDto>(QStringLiteral("/plano/")
                                                + QString::number(AIdPlano));
}
