#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A waiting-period rule that applies to a service (at most one rule per waiting-period type).
class TCarenciaServicoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TCarenciaServicoEntity)

    std::int64_t IdServico = 0;
    std::int64_t IdCarencia = 0;
};
BOOST_DESCRIBE_STRUCT(TCarenciaServicoEntity, (TBaseEntity), (IdServico, IdCarencia))
