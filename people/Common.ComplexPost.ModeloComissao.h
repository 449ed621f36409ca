#pragma once

#include "Common.ComplexPost.ComissaoFuncao.h"
#include "Common.Entity.ModeloComissao.h"

#include <memory>

// The aggregate body of a commission model saved with its functions, their types and the types'
// instalment bands (POST /modelo-comissao/complex), and the ids of stored functions removed in
// the window.
class TModeloComissaoComplexPost final : public TModeloComissaoEntity
{
    ZUNTA_CLASS(TModeloComissaoComplexPost)

    std::unique_ptr<TObjectList<TComissaoFuncaoComplexPost>> ComissaoFuncaos
        = std::make_unique<TObjectList<TComissaoFuncaoComplexPost>>();
    std::unique_ptr<TListInt64> RemoveComissaoFuncaos = std::make_unique<TListInt64>();

    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TModeloComissaoComplexPost,
                      (TModeloComissaoEntity),
                      (ComissaoFuncaos, RemoveComissaoFuncaos))
