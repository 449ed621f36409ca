#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The reversal of one cash movement: its reason (a reason of the motive list "07"), the date and
// an observation. Id always travels as 0.
class TEstornoMovimentacaoFinanceiraEntity : public TBaseEntity
{
    ZUNTA_CLASS(TEstornoMovimentacaoFinanceiraEntity)

    std::int64_t IdMotivo = 0;
    std::int64_t IdMovimentacaoFinanceira = 0;
    TDateTime Data;
    QString Observacao;
};
BOOST_DESCRIBE_STRUCT(TEstornoMovimentacaoFinanceiraEntity,
                      (TBaseEntity),
                      (IdMotivo, IdMovimentacaoFinanceira, Data, Observacao))
