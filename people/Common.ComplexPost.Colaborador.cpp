#include "Common.ComplexPost.Colaborador.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TColaboradorComplexPost)

void TColaboradorComplexPost::AfterClear()
{
    TColaboradorEntity::AfterClear();
    EmptyList(ColaboradorEmpresas);
    EmptyList(RemoveColaboradorEmpresas);
}
