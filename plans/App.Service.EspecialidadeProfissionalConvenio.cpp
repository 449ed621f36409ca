#include "App.Service.EspecialidadeProfissionalConvenio.h"

#include "Common.Dto.EspecialidadeProfissionalConvenio.h"

ZUNTA_REGISTER_SERVICE(TEspecialidadeProfissionalConvenioService)

TEspecialidadeProfissionalConvenioService::TEspecialidadeProfissionalConvenioService()
    : TBaseService(QStringLiteral("TEspecialidadeProfissionalConvenioService"))
{ }

std::optional<TObjectList<TEspecialidadeProfissionalConvenioDto>>
TEspecialidadeProfissionalConvenioService::fillEspecialidadeProfissionalConvenio(
    std::int64_t AIdConvenio)
{
    return findListByParent<TEspecialidadeProfissionalConvenioDto>(QStringLiteral("convenio"),
                                                                   AIdConvenio);
}
