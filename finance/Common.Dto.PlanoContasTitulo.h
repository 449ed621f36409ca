#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// A chart-of-accounts share of a title with the entry's description.
class TPlanoContasTituloDto final : public TBaseDto
{
    ZUNTA_CLASS(TPlanoContasTituloDto)

    std::int64_t IdTitulo = 0;
    std::int64_t IdPlanoContas = 0;
    double Valor = 0;
    QString PlanoContas;
};
BOOST_DESCRIBE_STRUCT(TPlanoContasTituloDto,
                      (TBaseDto),
                      (IdTitulo, IdPlanoContas, Valor, PlanoContas))
