#pragma once

#include "Common.Base.Entity.h"

// The body of a commission model: a description; per staff function it says which commissions
// apply (its functions, their types and instalment bands travel in the aggregate body).
class TModeloComissaoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TModeloComissaoEntity)

    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TModeloComissaoEntity, (TBaseEntity), (Descricao))
