#pragma once

#include "Common.Base.Serialize.h"

// Base of the search and report filters sent as JSON bodies.
class TBaseFilterClass : public TSerializeObject
{
    ZUNTA_CLASS(TBaseFilterClass)
};
BOOST_DESCRIBE_STRUCT(TBaseFilterClass, (TSerializeObject), ())
