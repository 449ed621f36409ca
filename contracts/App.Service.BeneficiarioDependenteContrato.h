#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TBeneficiarioDependenteContratoDto;

// The beneficiaries of contract members (/beneficiario-dependente-contrato), read per contract;
// they are saved inside the member bodies of the contract save.
class TBeneficiarioDependenteContratoService final : public TBaseService
{
public:
    TBeneficiarioDependenteContratoService();

    // GET /beneficiario-dependente-contrato/contrato/<id> (page 1 of 100): the beneficiaries of
    // every member of the contract; no list for a 304 reply or a reply without JSON.
    std::optional<TObjectList<TBeneficiarioDependenteContratoDto>>
    fillBeneficiarioDependenteContrato(std::int64_t AIdContrato);
};
