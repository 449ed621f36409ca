#include "Common.ComplexPost.DependentePlano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TDependentePlanoComplexPost)

void TDependentePlanoComplexPost::AfterClear()
{
    TDependentePlanoEntity::AfterClear();
    if (ServicoDependentePlanos)
        ServicoDependentePlanos->clear();
    else
        ServicoDependentePlanos = std::make_unique<TObjectList<TServicoDependentePlanoEntity>>();
    if (RemoveServicoDependentePlanos)
        RemoveServicoDependentePlanos->clear();
    else
        RemoveServicoDependentePlanos = std::make_unique<TListInt64>();
}
