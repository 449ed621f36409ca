#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// One item of a waiting-period rule: for a kinship (system list "PARENTESCO") and an age in
// years, the days of waiting and the percentage of the contract that applies.
class TItemCarenciaEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TItemCarenciaEntity)

    std::int64_t IdCarencia = 0;
    std::int64_t ListaParentesco = 0;
    double FaixaEtaria = 0;
    int DiasCarencia = 0;
    double Percentual = 0;
};
BOOST_DESCRIBE_STRUCT(TItemCarenciaEntity,
                      (TBaseEntity),
                      (IdCarencia, ListaParentesco, FaixaEtaria, DiasCarencia, Percentual))
