#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One collector of a portfolio's collector history, with the names of the collector and of the
// end reason.
class TColaboradorCarteiraDto final : public TBaseDto
{
    ZUNTA_CLASS(TColaboradorCarteiraDto)

    std::int64_t IdCarteira = 0;
    std::int64_t IdColaborador = 0;
    std::int64_t IdMotivo = 0;
    TDateTime DataInicial;
    TDateTime DataFinal;
    QString Motivo;
    QString Colaborador;
};
BOOST_DESCRIBE_STRUCT(
    TColaboradorCarteiraDto,
    (TBaseDto),
    (IdCarteira, IdColaborador, IdMotivo, DataInicial, DataFinal, Motivo, Colaborador))
