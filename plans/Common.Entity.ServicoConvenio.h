#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A service an agreement provides. No value travels: the value shown beside it is the service's
// own current value.
class TServicoConvenioEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TServicoConvenioEntity)

    std::int64_t IdConvenio = 0;
    std::int64_t IdServico = 0;
};
BOOST_DESCRIBE_STRUCT(TServicoConvenioEntity, (TBaseEntity), (IdConvenio, IdServico))
