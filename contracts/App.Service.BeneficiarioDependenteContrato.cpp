#include "App.Service.BeneficiarioDependenteContrato.h"

#include "Common.Dto.BeneficiarioDependenteContrato.h"

ZUNTA_REGISTER_SERVICE(TBeneficiarioDependenteContratoService)

TBeneficiarioDependenteContratoService::TBeneficiarioDependenteContratoService()
    : TBaseService(QStringLiteral("TBeneficiarioDependenteContratoService"))
{ }

std::optional<TObjectList<TBeneficiarioDependenteContratoDto>>
TBeneficiarioDependenteContratoService::fillBeneficiarioDependenteContrato(std::int64_t AIdContrato)
{
    return findListByParent<TBeneficiarioDependenteContratoDto>(QStringLiteral("contrato"),
                                                                AIdContrato);
}
