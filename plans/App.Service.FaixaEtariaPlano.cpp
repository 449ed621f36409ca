#include "App.Service.FaixaEtariaPlano.h"

#include "Common.Dto.FaixaEtariaPlano.h"

ZUNTA_REGISTER_SERVICE(TFaixaEtariaPlanoService)

TFaixaEtariaPlanoService::TFaixaEtariaPlanoService()
    : TBaseService(QStringLiteral("TFaixaEtariaPlanoService"))
{ }

std::optional<TObjectList<TFaixaEtariaPlanoDto>>
TFaixaEtariaPlanoService::fillFaixaEtariaPlano(std::int64_t AIdPlano)
{
    return findFirstPageOf<TFaixaEtariaPlanoDto>(QStringLiteral("/plano/")
                                                 + QString::number(AIdPlano));
}
