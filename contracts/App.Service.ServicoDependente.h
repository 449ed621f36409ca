#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TServicoDependenteDto;

// The additional services of contract members (/servico-dependente), read per contract.
class TServicoDependenteService final : public TBaseService
{
public:
    TServicoDependenteService();

    // GET /servico-dependente/contrato/<id> (page 1 of 100):
    // the additional services of every member of the contract; they are saved inside the member bodies; no list for a 304 reply or a reply without JSON.
    std::optional<TObjectList<TServicoDependenteDto>> fillServicoDependente(std::int64_t AIdContrato);
};
