#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One branch of the branch list and lookup, with its bank's name.
class TAgenciaDto final : public TBaseDto
{
    ZUNTA_CLASS(TAgenciaDto)

    std::int64_t IdBanco = 0;
    std::int32_t Numero = 0;
    QString Digito;
    QString Nome;
    QString Banco;
};
BOOST_DESCRIBE_STRUCT(TAgenciaDto, (TBaseDto), (IdBanco, Numero, Digito, Nome, Banco))
