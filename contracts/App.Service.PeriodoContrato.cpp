#include "App.Service.PeriodoContrato.h"

#include "Common.Dto.PeriodoContrato.h"

ZUNTA_REGISTER_SERVICE(TPeriodoContratoService)

TPeriodoContratoService::TPeriodoContratoService()
    : TBaseService(QStringLiteral("TPeriodoContratoService"))
{ }

std::optional<TObjectList<TPeriodoContratoDto>>
TPeriodoContratoService::fillPeriodoContrato(std::int64_t AIdContrato)
{
    return findListByParent<TPeriodoContratoDto>(QStringLiteral("contrato"), AIdContrato);
}
