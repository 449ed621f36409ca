#pragma once

#include "Common.Base.Dto.h"

// One state of the state list and lookup.
class TUnidadeFederativaDto final : public TBaseDto
{
    ZUNTA_CLASS(TUnidadeFederativaDto)

    QString Nome;
    QString Sigla;
};
BOOST_DESCRIBE_STRUCT(TUnidadeFederativaDto, (TBaseDto), (Nome, Sigla))
