#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a commission band of a time band: a commission type (a row of the system list
// "TIPO_COMISSAO") with its quantity, percentage and value.
class TFaixaComissaoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TFaixaComissaoEntity)

    std::int64_t IdFaixaHorarioComissao = 0;
    std::int64_t ListaTipoComissao = 0;
    double Quantidade = 0;
    double Percentual = 0;
    double Valor = 0;
};
BOOST_DESCRIBE_STRUCT(TFaixaComissaoEntity,
                      (TBaseEntity),
                      (IdFaixaHorarioComissao, ListaTipoComissao, Quantidade, Percentual, Valor))
