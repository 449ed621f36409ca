#include "Common.ComplexPost.Equipe.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEquipeComplexPost)

void TEquipeComplexPost::AfterClear()
{
    TEquipeEntity::AfterClear();
    EmptyList(ColaboradorEquipes);
    EmptyList(RemoveColaboradorEquipes);
}
