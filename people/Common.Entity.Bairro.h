#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a neighbourhood of a city.
class TBairroEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TBairroEntity)

    std::int64_t IdMunicipio = 0;
    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TBairroEntity, (TBaseEntity), (IdMunicipio, Descricao))
