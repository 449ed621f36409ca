#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TAssinaturaContratoIntegracaoDto;

// The credit-card subscriptions of the contracts at the payment API (/assinatura-contrato-integracao), read per contract.
class TAssinaturaContratoIntegracaoService final : public TBaseService
{
public:
    TAssinaturaContratoIntegracaoService();

    // GET /assinatura-contrato-integracao/contrato/<id> (page 1 of 100):
    // the card subscriptions of the contract, without card data; no list for a 304 reply or a reply without JSON.
    std::optional<TObjectList<TAssinaturaContratoIntegracaoDto>> fillAssinaturaContratoIntegracao(std::int64_t AIdContrato);
};
