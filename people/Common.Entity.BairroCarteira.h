#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A neighbourhood covered by a portfolio from DataInicial to DataFinal; IdMotivo is why it
// ended.
class TBairroCarteiraEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TBairroCarteiraEntity)

    std::int64_t IdCarteira = 0;
    std::int64_t IdBairro = 0;
    std::int64_t IdMotivo = 0;
    TDateTime DataInicial;
    TDateTime DataFinal;
};
BOOST_DESCRIBE_STRUCT(TBairroCarteiraEntity,
                      (TBaseEntity),
                      (IdCarteira, IdBairro, IdMotivo, DataInicial, DataFinal))
