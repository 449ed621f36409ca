#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One account of the list and lookup, with its type, its owner's name and the balance the
// back end computes.
class TContaDto final : public TBaseDto
{
    ZUNTA_CLASS(TContaDto)

    std::int64_t IdAgencia = 0;
    std::int64_t IdPessoa = 0;
    std::int32_t Numero = 0;
    QString Digito;
    QString Operacao;
    QString Descricao;
    std::int64_t ListaTipoConta = 0;
    QString TipoConta;
    QString CodigoTipoConta;
    QString Pessoa;
    double Saldo = 0;
};
BOOST_DESCRIBE_STRUCT(TContaDto,
                      (TBaseDto),
                      (IdAgencia,
                       IdPessoa,
                       Numero,
                       Digito,
                       Operacao,
                       Descricao,
                       ListaTipoConta,
                       TipoConta,
                       CodigoTipoConta,
                       Pessoa,
                       Saldo))
