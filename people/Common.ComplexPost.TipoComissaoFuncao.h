#pragma once

#include "Common.Entity.FaixaParcelaTipoComissao.h"
#include "Common.Entity.TipoComissaoFuncao.h"

#include <memory>

// A commission type inside a model's aggregate body, with its instalment bands and the ids of
// stored instalment bands removed in the window.
class TTipoComissaoFuncaoComplexPost final : public TTipoComissaoFuncaoEntity
{
    ZUNTA_CLASS(TTipoComissaoFuncaoComplexPost)

    std::unique_ptr<TObjectList<TFaixaParcelaTipoComissaoEntity>> FaixaParcelaTipoComissaos
        = std::make_unique<TObjectList<TFaixaParcelaTipoComissaoEntity>>();
    std::unique_ptr<TListInt64> RemoveFaixaParcelaTipoComissaos = std::make_unique<TListInt64>();

    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TTipoComissaoFuncaoComplexPost,
                      (TTipoComissaoFuncaoEntity),
                      (FaixaParcelaTipoComissaos, RemoveFaixaParcelaTipoComissaos))
