#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A price of a plan from a date on: the base of calculation for waiting periods and the instalment
// value.
class TValorPlanoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TValorPlanoEntity)

    std::int64_t IdPlano = 0;
    TDateTime Data;
    double Valor = 0;
    double ValorParcela = 0;
};
BOOST_DESCRIBE_STRUCT(TValorPlanoEntity, (TBaseEntity), (IdPlano, Data, Valor, ValorParcela))
