#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A staff member's membership of a team, from DataInicial to DataFinal; IdMotivo is why it
// ended.
class TColaboradorEquipeEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TColaboradorEquipeEntity)

    std::int64_t IdEquipe = 0;
    std::int64_t IdColaborador = 0;
    std::int64_t IdMotivo = 0;
    TDateTime DataInicial;
    TDateTime DataFinal;
};
BOOST_DESCRIBE_STRUCT(TColaboradorEquipeEntity,
                      (TBaseEntity),
                      (IdEquipe, IdColaborador, IdMotivo, DataInicial, DataFinal))
