#pragma once

#include "Common.Base.Dto.h"

// One price of a plan as its price history lists it.
class TValorPlanoDto final : public TBaseDto
{
    ZUNTA_CLASS(TValorPlanoDto)

    TDateTime Data;
    double Valor = 0;
    double ValorParcela = 0;
};
BOOST_DESCRIBE_STRUCT(TValorPlanoDto, (TBaseDto), (Data, Valor, ValorParcela))
