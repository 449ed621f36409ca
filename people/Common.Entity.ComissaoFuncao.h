#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a staff function inside a commission model.
class TComissaoFuncaoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TComissaoFuncaoEntity)

    std::int64_t IdModeloComissao = 0;
    std::int64_t IdFuncao = 0;
};
BOOST_DESCRIBE_STRUCT(TComissaoFuncaoEntity, (TBaseEntity), (IdModeloComissao, IdFuncao))
