#pragma once

#include "Common.ComplexPost.FaixaHorarioComissao.h"
#include "Common.Entity.Comissao.h"

#include <memory>

// The aggregate body of a commission table saved with its time bands and their bands
// (POST /comissao/complex), and the ids of stored time bands removed in the window.
class TComissaoComplexPost final : public TComissaoEntity
{
    ZUNTA_CLASS(TComissaoComplexPost)

    std::unique_ptr<TObjectList<TFaixaHorarioComissaoComplexPost>> FaixaHorarioComissaos
        = std::make_unique<TObjectList<TFaixaHorarioComissaoComplexPost>>();
    std::unique_ptr<TListInt64> RemoveFaixaHorarioComissaos = std::make_unique<TListInt64>();

    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TComissaoComplexPost,
                      (TComissaoEntity),
                      (FaixaHorarioComissaos, RemoveFaixaHorarioComissaos))
