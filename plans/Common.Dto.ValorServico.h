#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One value of a service as its value history lists it, with the deductible kind's description.
class TValorServicoDto final : public TBaseDto
{
    ZUNTA_CLASS(TValorServicoDto)

    TDateTime Data;
    double Valor = 0;
    double ValorCapitalSegurado = 0;
    double Franquia = 0;
    std::int64_t ListaTipoFranquia = 0;
    QString TipoFranquia;
};
BOOST_DESCRIBE_STRUCT(
    TValorServicoDto,
    (TBaseDto),
    (Data, Valor, ValorCapitalSegurado, Franquia, ListaTipoFranquia, TipoFranquia))
