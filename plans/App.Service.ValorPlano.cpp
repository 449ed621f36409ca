#include "App.Service.ValorPlano.h"

#include "Common.Dto.ValorPlano.h"

ZUNTA_REGISTER_SERVICE(TValorPlanoService)

TValorPlanoService::TValorPlanoService()
    : TBaseService(QStringLiteral("TValorPlanoService"))
{ }

std::optional<TObjectList<TValorPlanoDto>> TValorPlanoService::fillValorPlano(std::int64_t AIdPlano)
{
    return findFirstPageOf<TValorPlanoDto>(QStringLiteral("/plano/") + QString::number(AIdPlano));
}
