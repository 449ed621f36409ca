#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a financial cancellation: its reason or observation. IdTitulo travels as 0: a
// title is cancelled through the batch body's Titulos.
class TCancelamentoFinanceiroEntity : public TBaseEntity
{
    ZUNTA_CLASS(TCancelamentoFinanceiroEntity)

    std::int64_t IdTitulo = 0;
    QString Observacao;
};
BOOST_DESCRIBE_STRUCT(TCancelamentoFinanceiroEntity, (TBaseEntity), (IdTitulo, Observacao))
