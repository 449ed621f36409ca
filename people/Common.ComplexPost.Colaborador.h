#pragma once

#include "Common.ComplexPost.ColaboradorEmpresa.h"
#include "Common.Entity.Colaborador.h"

#include <memory>

// The aggregate body of a staff member (POST /colaborador/complex): the employments, each with
// its own histories, and the ids of stored employments removed in the window. The removed
// function and team rows of every employment travel in the first employment. Both lists exist
// from the start.
class TColaboradorComplexPost final : public TColaboradorEntity
{
    ZUNTA_CLASS(TColaboradorComplexPost)

    std::unique_ptr<TObjectList<TColaboradorEmpresaComplexPost>> ColaboradorEmpresas
        = std::make_unique<TObjectList<TColaboradorEmpresaComplexPost>>();
    std::unique_ptr<TListInt64> RemoveColaboradorEmpresas = std::make_unique<TListInt64>();

    // Empties both lists (a list a reply left null is created again).
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TColaboradorComplexPost,
                      (TColaboradorEntity),
                      (ColaboradorEmpresas, RemoveColaboradorEmpresas))
