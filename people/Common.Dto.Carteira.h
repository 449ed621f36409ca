#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One portfolio of the portfolio list and lookup, with its responsible collector's name.
class TCarteiraDto final : public TBaseDto
{
    ZUNTA_CLASS(TCarteiraDto)

    QString Descricao;
    QString Colaborador;
    // An outside collector is active on the portfolio; shown only.
    bool IsCobradorExternoAtivo = false;
    std::int32_t PrevisaoCalculoFinanceiro = 0;
};
BOOST_DESCRIBE_STRUCT(TCarteiraDto,
                      (TBaseDto),
                      (Descricao, Colaborador, IsCobradorExternoAtivo, PrevisaoCalculoFinanceiro))
