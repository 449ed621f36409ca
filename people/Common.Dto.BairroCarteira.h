#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One neighbourhood of a portfolio's neighbourhood history, with its town and state and the end
// reason's name.
class TBairroCarteiraDto final : public TBaseDto
{
    ZUNTA_CLASS(TBairroCarteiraDto)

    std::int64_t IdBairro = 0;
    std::int64_t IdMotivo = 0;
    TDateTime DataInicial;
    TDateTime DataFinal;
    QString Bairro;
    QString Motivo;
    QString Uf;
    QString Municipio;
};
BOOST_DESCRIBE_STRUCT(TBairroCarteiraDto,
                      (TBaseDto),
                      (IdBairro, IdMotivo, DataInicial, DataFinal, Bairro, Motivo, Uf, Municipio))
