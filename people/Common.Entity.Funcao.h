#pragma once

#include "Common.Base.Entity.h"

// The body of a job function of staff members.
class TFuncaoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TFuncaoEntity)

    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TFuncaoEntity, (TBaseEntity), (Descricao))
