#pragma once

#include "Common.Base.Serialize.h"

#include <cstdint>

// Base of every list row and lookup result.
class TBaseDto : public TSerializeObject
{
    ZUNTA_CLASS(TBaseDto)

    std::int64_t Id = 0;
};
BOOST_DESCRIBE_STRUCT(TBaseDto, (TSerializeObject), (Id))
