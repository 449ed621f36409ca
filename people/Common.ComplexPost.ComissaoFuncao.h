#pragma once

#include "Common.ComplexPost.TipoComissaoFuncao.h"
#include "Common.Entity.ComissaoFuncao.h"

#include <memory>

// A function inside a model's aggregate body, with its commission types and the ids of stored
// types removed in the window.
class TComissaoFuncaoComplexPost final : public TComissaoFuncaoEntity
{
    ZUNTA_CLASS(TComissaoFuncaoComplexPost)

    std::unique_ptr<TObjectList<TTipoComissaoFuncaoComplexPost>> TipoComissaoFuncaos
        = std::make_unique<TObjectList<TTipoComissaoFuncaoComplexPost>>();
    std::unique_ptr<TListInt64> RemoveTipoComissaoFuncaos = std::make_unique<TListInt64>();

    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TComissaoFuncaoComplexPost,
                      (TComissaoFuncaoEntity),
                      (TipoComissaoFuncaos, RemoveTipoComissaoFuncaos))
