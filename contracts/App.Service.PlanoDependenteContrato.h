#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TPlanoDependenteContratoDto;

// The member-plan links (/plano-dependente-contrato), read by contract, by plan of a period or
// by member; they are saved with the contract.
class TPlanoDependenteContratoService final : public TBaseService
{
public:
    static constexpr int LinkLimit = 400;

    TPlanoDependenteContratoService();

    // GET <resource>/contrato/<id> when AByContrato, else /plano-periodo-contrato/<id> when
    // AByPlanoPeriodo, else /dependente-contrato/<id>, 400 links a page. Every page the first
    // reply announces is read, so a contract with more links than one page holds misses none.
    // No list for a 304 reply, a reply without JSON or one without "listHelper"; an error status
    // raises its text.
    std::optional<TObjectList<TPlanoDependenteContratoDto>>
    fillPlanoDependenteContrato(std::int64_t AId, bool AByContrato, bool AByPlanoPeriodo);
};
