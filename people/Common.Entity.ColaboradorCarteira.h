#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A collector of a portfolio from DataInicial to DataFinal; IdMotivo is why it ended.
class TColaboradorCarteiraEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TColaboradorCarteiraEntity)

    std::int64_t IdCarteira = 0;
    std::int64_t IdColaborador = 0;
    std::int64_t IdMotivo = 0;
    TDateTime DataInicial;
    TDateTime DataFinal;
};
BOOST_DESCRIBE_STRUCT(TColaboradorCarteiraEntity,
                      (TBaseEntity),
                      (IdCarteira, IdColaborador, IdMotivo, DataInicial, DataFinal))
