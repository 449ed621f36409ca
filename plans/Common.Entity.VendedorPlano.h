#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A staff member allowed to sell a plan.
class TVendedorPlanoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TVendedorPlanoEntity)

    std::int64_t IdPlano = 0;
    std::int64_t IdColaborador = 0;
};
BOOST_DESCRIBE_STRUCT(TVendedorPlanoEntity, (TBaseEntity), (IdPlano, IdColaborador))
