#include "App.Service.VendedorPlano.h"

#include "Common.Dto.VendedorPlano.h"

ZUNTA_REGISTER_SERVICE(TVendedorPlanoService)

TVendedorPlanoService::TVendedorPlanoService()
    : TBaseService(QStringLiteral("TVendedorPlanoService"))
{ }

std::optional<TObjectList<TVendedorPlanoDto>>
TVendedorPlanoService::fillVendedorPlano(std::int64_t AIdPlano)
{
    return findFirstPageOf<TVendedorPlanoDto>(QStringLiteral("/plano/")
                                              + QString::number(AIdPlano));
}
