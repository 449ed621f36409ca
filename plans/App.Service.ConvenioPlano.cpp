#include "App.Service.ConvenioPlano.h"

#include "Common.Dto.ConvenioPlano.h"

ZUNTA_REGISTER_SERVICE(TConvenioPlanoService)

TConvenioPlanoService::TConvenioPlanoService()
    : TBaseService(QStringLiteral("TConvenioPlanoService"))
{ }

std::optional<TObjectList<TConvenioPlanoDto>>
TConvenioPlanoService::fillConvenioPlano(std::int64_t AIdPlano)
{
    return findFirstPageOf<TConvenioPlanoDto>(QStringLiteral("/plano/")
                                              + QString::number(AIdPlano));
}
