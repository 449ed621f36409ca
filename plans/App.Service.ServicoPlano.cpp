#include "App.Service.ServicoPlano.h"

#include "Common.Dto.ServicoPlano.h"

ZUNTA_REGISTER_SERVICE(TServicoPlanoService)

TServicoPlanoService::TServicoPlanoService()
    : TBaseService(QStringLiteral("TServicoPlanoService"))
{ }

std::optional<TObjectList<TServicoPlanoDto>>
TServicoPlanoService::fillServicoPlano(std::int64_t AIdPlano)
{
    return findFirstPageOf<TServicoPlanoDto>(QStringLiteral("/plano/") + QString::number(AIdPlano));
}
