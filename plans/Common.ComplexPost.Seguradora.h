#pragma once

#include "Common.Entity.PlanoSeguradora.h"
#include "Common.Entity.Seguradora.h"

#include <memory>

// The aggregate body of an insurer (POST /seguradora/complex): every insurer-plan row of the
// window, new and stored alike, and the ids of stored insurer plans removed in the window.
class TSeguradoraComplexPost final : public TSeguradoraEntity
{
    ZUNTA_CLASS(TSeguradoraComplexPost)

    std::unique_ptr<TObjectList<TPlanoSeguradoraEntity>> PlanoSeguradoras
        = std::make_unique<TObjectList<TPlanoSeguradoraEntity>>();
    std::unique_ptr<TListInt64> RemovePlanoSeguradoras = std::make_unique<TListInt64>();

    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TSeguradoraComplexPost,
                      (TSeguradoraEntity),
                      (PlanoSeguradoras, RemovePlanoSeguradoras))
