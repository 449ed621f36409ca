#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// An age band a plan covers for one kinship, in years.
class TFaixaEtariaPlanoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TFaixaEtariaPlanoEntity)

    std::int64_t IdPlano = 0;
    std::int32_t ListaParentesco = 0;
    std::int32_t FaixaEtariaInicial = 0;
    std::int32_t FaixaEtariaFinal = 0;
};
BOOST_DESCRIBE_STRUCT(TFaixaEtariaPlanoEntity,
                      (TBaseEntity),
                      (IdPlano, ListaParentesco, FaixaEtariaInicial, FaixaEtariaFinal))
