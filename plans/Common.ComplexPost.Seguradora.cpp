#include "Common.ComplexPost.Seguradora.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TSeguradoraComplexPost)

void TSeguradoraComplexPost::AfterClear()
{
    TSeguradoraEntity::AfterClear();
    EmptyList(RemovePlanoSeguradoras);
    EmptyList(PlanoSeguradoras);
}
