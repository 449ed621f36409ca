#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A kinship that may join a plan as a dependent (a row of the system list "PARENTESCO"), up to a
// maximum age in years.
class TDependentePlanoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TDependentePlanoEntity)

    std::int64_t IdPlano = 0;
    std::int32_t ListaParentesco = 0;
    std::int32_t FaixaEtaria = 0;
};
BOOST_DESCRIBE_STRUCT(TDependentePlanoEntity,
                      (TBaseEntity),
                      (IdPlano, ListaParentesco, FaixaEtaria))
