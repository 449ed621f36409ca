#pragma once

#include "Common.Entity.FaixaComissao.h"
#include "Common.Entity.FaixaHorarioComissao.h"

#include <memory>

// A time band inside a commission table's aggregate body, with its bands and the ids of stored
// bands removed in the window.
class TFaixaHorarioComissaoComplexPost final : public TFaixaHorarioComissaoEntity
{
    ZUNTA_CLASS(TFaixaHorarioComissaoComplexPost)

    std::unique_ptr<TObjectList<TFaixaComissaoEntity>> FaixaComissaos
        = std::make_unique<TObjectList<TFaixaComissaoEntity>>();
    std::unique_ptr<TListInt64> RemoveFaixaComissaos = std::make_unique<TListInt64>();

    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TFaixaHorarioComissaoComplexPost,
                      (TFaixaHorarioComissaoEntity),
                      (FaixaComissaos, RemoveFaixaComissaos))
