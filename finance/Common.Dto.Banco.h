#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One bank of the bank list and lookup.
class TBancoDto final : public TBaseDto
{
    ZUNTA_CLASS(TBancoDto)

    std::int32_t Codigo = 0;
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TBancoDto, (TBaseDto), (Codigo, Nome))
