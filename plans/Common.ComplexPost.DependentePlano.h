#pragma once

#include "Common.Entity.DependentePlano.h"
#include "Common.Entity.ServicoDependentePlano.h"

#include <memory>

// One allowed dependent of a plan's aggregate body, carrying its extra services and the ids of
// stored extra services removed in the window. Both lists exist from the start.
class TDependentePlanoComplexPost final : public TDependentePlanoEntity
{
    ZUNTA_CLASS(TDependentePlanoComplexPost)

    std::unique_ptr<TObjectList<TServicoDependentePlanoEntity>> ServicoDependentePlanos
        = std::make_unique<TObjectList<TServicoDependentePlanoEntity>>();
    std::unique_ptr<TListInt64> RemoveServicoDependentePlanos = std::make_unique<TListInt64>();

    // Empties both lists; a list a reply left null is created again.
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TDependentePlanoComplexPost,
                      (TDependentePlanoEntity),
                      (ServicoDependentePlanos, RemoveServicoDependentePlanos))
