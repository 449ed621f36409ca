#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One chart-of-accounts entry of the list and lookup, with its type's code and description.
class TPlanoContasDto final : public TBaseDto
{
    ZUNTA_CLASS(TPlanoContasDto)

    QString Codigo;
    QString Descricao;
    std::int64_t ListaTipoPlanoContas = 0;
    QString CodigoTipoPlanoContas;
    QString TipoPlanoContas;
};
BOOST_DESCRIBE_STRUCT(
    TPlanoContasDto,
    (TBaseDto),
    (Codigo, Descricao, ListaTipoPlanoContas, CodigoTipoPlanoContas, TipoPlanoContas))
