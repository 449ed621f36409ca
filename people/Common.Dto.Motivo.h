#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One reason of the reason list and lookup, with its type's description and code.
class TMotivoDto final : public TBaseDto
{
    ZUNTA_CLASS(TMotivoDto)

    std::int64_t ListaTipoMotivo = 0;
    QString Descricao;
    QString TipoMotivo;
    QString CodigoTipoMotivo;
};
BOOST_DESCRIBE_STRUCT(TMotivoDto,
                      (TBaseDto),
                      (ListaTipoMotivo, Descricao, TipoMotivo, CodigoTipoMotivo))
