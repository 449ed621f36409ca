#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a city: its state, telephone area code, IBGE code and name.
class TMunicipioEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TMunicipioEntity)

    std::int64_t IdUnidadeFederativa = 0;
    QString Ddd;
    QString CodigoIbge;
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TMunicipioEntity, (TBaseEntity), (IdUnidadeFederativa, Ddd, CodigoIbge, Nome))
