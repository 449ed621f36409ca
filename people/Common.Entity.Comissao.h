#pragma once

#include "Common.Base.Entity.h"

// The body of a commission table: a named set of commission rules that depend on the time of
// day (its time bands and their bands travel in the aggregate body).
class TComissaoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TComissaoEntity)

    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TComissaoEntity, (TBaseEntity), (Descricao))
