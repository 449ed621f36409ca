#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a collection portfolio: the set of contracts one collector visits.
class TCarteiraEntity : public TBaseEntity
{
    ZUNTA_CLASS(TCarteiraEntity)

    QString Descricao;
    // The financial-calculation forecast, at most two digits as entered; its meaning lies with
    // the back end.
    std::int32_t PrevisaoCalculoFinanceiro = 0;
};
BOOST_DESCRIBE_STRUCT(TCarteiraEntity, (TBaseEntity), (Descricao, PrevisaoCalculoFinanceiro))
