#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A title's share of one entry of the chart of accounts.
class TPlanoContasTituloEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TPlanoContasTituloEntity)

    std::int64_t IdTitulo = 0;
    std::int64_t IdPlanoContas = 0;
    double Valor = 0;
};
BOOST_DESCRIBE_STRUCT(TPlanoContasTituloEntity, (TBaseEntity), (IdTitulo, IdPlanoContas, Valor))
