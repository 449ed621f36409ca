#pragma once

#include "Common.Base.Dto.h"

// One street of the street list and lookup, with its postal code, neighbourhood, city and
// state.
class TLogradouroDto final : public TBaseDto
{
    ZUNTA_CLASS(TLogradouroDto)

    QString Logradouro;
    QString Bairro;
    QString Cep;
    QString Municipio;
    QString Uf;
};
BOOST_DESCRIBE_STRUCT(TLogradouroDto, (TBaseDto), (Logradouro, Bairro, Cep, Municipio, Uf))
