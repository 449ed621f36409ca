#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A cheque the company issues to pay a payable title, drawn on one of its accounts.
class TChequePagamentoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TChequePagamentoEntity)

    std::int64_t IdConta = 0;
    std::int32_t Numero = 0;
    TDateTime Data;
    double Valor = 0;
    TDateTime Vencimento;
};
BOOST_DESCRIBE_STRUCT(TChequePagamentoEntity,
                      (TBaseEntity),
                      (IdConta, Numero, Data, Valor, Vencimento))
