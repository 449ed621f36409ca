#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TPeriodoContratoDto;

// The validity periods of the contracts (/periodo-contrato): read per contract, saved with the
// contract.
class TPeriodoContratoService final : public TBaseService
{
public:
    TPeriodoContratoService();

    // GET /periodo-contrato/contrato/<id> (page 1 of 100); no list for a 304 reply, a reply
    // without JSON or one without "listHelper"; an error status raises its text.
    std::optional<TObjectList<TPeriodoContratoDto>> fillPeriodoContrato(std::int64_t AIdContrato);
};
