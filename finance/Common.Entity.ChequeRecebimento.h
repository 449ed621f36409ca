#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A cheque received in a settlement: its bank, branch, account, number, the payment line's date
// and value, and the cheque's own due date.
class TChequeRecebimentoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TChequeRecebimentoEntity)

    std::int64_t IdBanco = 0;
    std::int32_t Agencia = 0;
    QString Conta;
    std::int32_t Numero = 0;
    TDateTime Data;
    double Valor = 0;
    TDateTime Vencimento;
};
BOOST_DESCRIBE_STRUCT(TChequeRecebimentoEntity,
                      (TBaseEntity),
                      (IdBanco, Agencia, Conta, Numero, Data, Valor, Vencimento))
