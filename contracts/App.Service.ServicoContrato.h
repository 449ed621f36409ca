#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TServicoContratoDto;

// The additional services of the contracts (/servico-contrato), read per contract.
class TServicoContratoService final : public TBaseService
{
public:
    TServicoContratoService();

    // GET /servico-contrato/contrato/<id> (page 1 of 100):
    // the additional services of the contract, saved with the contract; no list for a 304 reply or a reply without JSON.
    std::optional<TObjectList<TServicoContratoDto>> fillServicoContrato(std::int64_t AIdContrato);
};
