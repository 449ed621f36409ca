#pragma once

#include "Common.Base.Dto.h"

// One neighbourhood of the neighbourhood list and lookup, with its city and state.
class TBairroDto final : public TBaseDto
{
    ZUNTA_CLASS(TBairroDto)

    QString Bairro;
    QString Municipio;
    QString Uf;
};
BOOST_DESCRIBE_STRUCT(TBairroDto, (TBaseDto), (Bairro, Municipio, Uf))
