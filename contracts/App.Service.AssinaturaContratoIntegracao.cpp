#include "App.Service.AssinaturaContratoIntegracao.h"

#include "Common.Dto.AssinaturaContratoIntegracao.h"

ZUNTA_REGISTER_SERVICE(TAssinaturaContratoIntegracaoService)

TAssinaturaContratoIntegracaoService::TAssinaturaContratoIntegracaoService()
    : TBaseService(QStringLiteral("TAssinaturaContratoIntegracaoService"))
{ }

std::optional<TObjectList<TAssinaturaContratoIntegracaoDto>> TAssinaturaContratoIntegracaoService::fillAssinaturaContratoIntegracao(std::int64_t AIdContrato)
{
    return findListByParent<TAssinaturaContratoIntegracaoDto>(QStringLiteral("contrato"), AIdContrato);
}
