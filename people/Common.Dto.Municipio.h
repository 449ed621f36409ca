#pragma once

#include "Common.Base.Dto.h"

// One city of the city list and lookup, with its state's abbreviation.
class TMunicipioDto final : public TBaseDto
{
    ZUNTA_CLASS(TMunicipioDto)

    QString Nome;
    QString Uf;
};
BOOST_DESCRIBE_STRUCT(TMunicipioDto, (TBaseDto), (Nome, Uf))
