#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A waiting-period rule that applies to a plan.
class TCarenciaPlanoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TCarenciaPlanoEntity)

    std::int64_t IdPlano = 0;
    std::int64_t IdCarencia = 0;
};
BOOST_DESCRIBE_STRUCT(TCarenciaPlanoEntity, (TBaseEntity), (IdPlano, IdCarencia))
