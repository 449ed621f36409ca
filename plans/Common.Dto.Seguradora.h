#pragma once

#include "Common.Base.Dto.h"
#include "DateTime.h"

#include <cstdint>

// An insurer of the insurer list and lookup, with the person's name.
class TSeguradoraDto final : public TBaseDto
{
    ZUNTA_CLASS(TSeguradoraDto)

    std::int64_t IdPessoa = 0;
    QString CodigoContrato;
    int CodigoClienteCapitalizacao = 0;
    TDateTime DataContrato;
    QString Seguradora;
    TDateTime DataUltimaTroca;
};
BOOST_DESCRIBE_STRUCT(TSeguradoraDto,
                      (TBaseDto),
                      (IdPessoa,
                       CodigoContrato,
                       CodigoClienteCapitalizacao,
                       DataContrato,
                       Seguradora,
                       DataUltimaTroca))
