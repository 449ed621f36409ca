#pragma once

#include "Common.Entity.PlanoDependenteContrato.h"

#include <cstdint>

// A member-plan link as the contract save sends it, with the member's person, the plan and the
// first due date.
class TPlanoDependenteContratoComplexPost final : public TPlanoDependenteContratoEntity
{
    ZUNTA_CLASS(TPlanoDependenteContratoComplexPost)

    TDateTime PrimeiroVencimento;
    std::int64_t IdPessoa = 0;
    std::int64_t IdPlano = 0;
};
BOOST_DESCRIBE_STRUCT(TPlanoDependenteContratoComplexPost,
                      (TPlanoDependenteContratoEntity),
                      (PrimeiroVencimento, IdPessoa, IdPlano))
