#include "App.Service.ServicoConvenio.h"

#include "Common.Dto.ServicoConvenio.h"

ZUNTA_REGISTER_SERVICE(TServicoConvenioService)

TServicoConvenioService::TServicoConvenioService()
    : TBaseService(QStringLiteral("TServicoConvenioService"))
{ }

std::optional<TObjectList<TServicoConvenioDto>>
TServicoConvenioService::fillServicoConvenio(std::int64_t AIdConvenio)
{
    return findListByParent<TServicoConvenioDto>(QStringLiteral("convenio"), AIdConvenio);
}
