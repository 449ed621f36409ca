#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// The body of a balance transfer: the value leaves ContaOrigem and enters ContaDestino on Data.
// Observacao holds the memo's lines, each followed by a line break.
class TTransferenciaSaldoDto final : public TBaseDto
{
    ZUNTA_CLASS(TTransferenciaSaldoDto)

    QString Observacao;
    double Valor = 0;
    std::int64_t ContaDestino = 0;
    std::int64_t ContaOrigem = 0;
    TDateTime Data;
};
BOOST_DESCRIBE_STRUCT(TTransferenciaSaldoDto,
                      (TBaseDto),
                      (Observacao, Valor, ContaDestino, ContaOrigem, Data))
