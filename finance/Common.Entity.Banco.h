#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a bank: its three-digit code and its name.
class TBancoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TBancoEntity)

    std::int64_t Codigo = 0;
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TBancoEntity, (TBaseEntity), (Codigo, Nome))
