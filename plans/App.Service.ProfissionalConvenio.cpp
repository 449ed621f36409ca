#include "App.Service.ProfissionalConvenio.h"

#include "Common.Dto.ProfissionalConvenio.h"

ZUNTA_REGISTER_SERVICE(TProfissionalConvenioService)

TProfissionalConvenioService::TProfissionalConvenioService()
    : TBaseService(QStringLiteral("TProfissionalConvenioService"))
{ }

std::optional<TObjectList<TProfissionalConvenioDto>>
TProfissionalConvenioService::fillProfissionalConvenio(std::int64_t AIdConvenio)
{
    return findListByParent<TProfissionalConvenioDto>(QStringLiteral("convenio"), AIdConvenio);
}
