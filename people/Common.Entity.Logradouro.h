#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a street of a neighbourhood, with its postal code (digits only).
class TLogradouroEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TLogradouroEntity)

    std::int64_t IdBairro = 0;
    QString Descricao;
    QString Cep;
};
BOOST_DESCRIBE_STRUCT(TLogradouroEntity, (TBaseEntity), (IdBairro, Descricao, Cep))
