#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A professional (a person) who attends through an agreement.
class TProfissionalConvenioEntity : public TBaseEntity
{
    ZUNTA_CLASS(TProfissionalConvenioEntity)

    std::int64_t IdConvenio = 0;
    std::int64_t IdPessoa = 0;
};
BOOST_DESCRIBE_STRUCT(TProfissionalConvenioEntity, (TBaseEntity), (IdConvenio, IdPessoa))
