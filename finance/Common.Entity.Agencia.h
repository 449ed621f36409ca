#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a branch: its bank, number, check digit and name.
class TAgenciaEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TAgenciaEntity)

    std::int64_t IdBanco = 0;
    std::int32_t Numero = 0;
    QString Digito;
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TAgenciaEntity, (TBaseEntity), (IdBanco, Numero, Digito, Nome))
