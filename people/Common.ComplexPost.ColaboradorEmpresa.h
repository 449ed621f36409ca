#pragma once

#include "Common.Entity.ColaboradorEmpresa.h"
#include "Common.Entity.EquipeColaboradorEmpresa.h"
#include "Common.Entity.FuncaoColaboradorEmpresa.h"

#include <memory>

// An employment inside the staff member's aggregate, with its function and salary history and
// its team history, each with the ids of stored rows removed in the window. The four lists exist
// from the start.
class TColaboradorEmpresaComplexPost final : public TColaboradorEmpresaEntity
{
    ZUNTA_CLASS(TColaboradorEmpresaComplexPost)

    std::unique_ptr<TObjectList<TFuncaoColaboradorEmpresaEntity>> FuncaoColaboradorEmpresas
        = std::make_unique<TObjectList<TFuncaoColaboradorEmpresaEntity>>();
    std::unique_ptr<TListInt64> RemoveFuncaoColaboradorEmpresas = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TEquipeColaboradorEmpresaEntity>> EquipeColaboradorEmpresas
        = std::make_unique<TObjectList<TEquipeColaboradorEmpresaEntity>>();
    std::unique_ptr<TListInt64> RemoveEquipeColaboradorEmpresas = std::make_unique<TListInt64>();

    // Empties the four lists (a list a reply left null is created again).
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TColaboradorEmpresaComplexPost,
                      (TColaboradorEmpresaEntity),
                      (FuncaoColaboradorEmpresas,
                       RemoveFuncaoColaboradorEmpresas,
                       EquipeColaboradorEmpresas,
                       RemoveEquipeColaboradorEmpresas))
