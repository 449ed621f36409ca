#include "App.Service.ServicoContrato.h"

#include "Common.Dto.ServicoContrato.h"

ZUNTA_REGISTER_SERVICE(TServicoContratoService)

TServicoContratoService::TServicoContratoService()
    : TBaseService(QStringLiteral("TServicoContratoService"))
{ }

std::optional<TObjectList<TServicoContratoDto>> TServicoContratoService::fillServicoContrato(std::int64_t AIdContrato)
{
    return findListByParent<TServicoContratoDto>(QStringLiteral("contrato"), AIdContrato);
}
