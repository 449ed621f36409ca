#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// An agreement (partner discount) linked to a plan.
class TConvenioPlanoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TConvenioPlanoEntity)

    std::int64_t IdPlano = 0;
    std::int64_t IdConvenio = 0;
};
BOOST_DESCRIBE_STRUCT(TConvenioPlanoEntity, (TBaseEntity), (IdPlano, IdConvenio))
