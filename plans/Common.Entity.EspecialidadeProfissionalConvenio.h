#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A specialty offered by a professional of an agreement.
class TEspecialidadeProfissionalConvenioEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TEspecialidadeProfissionalConvenioEntity)

    std::int64_t IdProfissionalConvenio = 0;
    std::int64_t IdEspecialidade = 0;
};
BOOST_DESCRIBE_STRUCT(TEspecialidadeProfissionalConvenioEntity,
                      (TBaseEntity),
                      (IdProfissionalConvenio, IdEspecialidade))
