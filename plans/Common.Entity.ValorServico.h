#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A value of a service from a date on, with the insured capital and the deductible (its kind a
// row of the system list "TIPO_FRANQUIA").
class TValorServicoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TValorServicoEntity)

    std::int64_t IdServico = 0;
    TDateTime Data;
    double Valor = 0;
    double ValorCapitalSegurado = 0;
    double Franquia = 0;
    std::int64_t ListaTipoFranquia = 0;
};
BOOST_DESCRIBE_STRUCT(TValorServicoEntity,
                      (TBaseEntity),
                      (IdServico, Data, Valor, ValorCapitalSegurado, Franquia, ListaTipoFranquia))
