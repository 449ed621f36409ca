#include "Common.ComplexPost.Carencia.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TCarenciaComplexPost)

void TCarenciaComplexPost::AfterClear()
{
    TCarenciaEntity::AfterClear();
    EmptyList(RemoveItemCarencias);
    EmptyList(ItemCarencias);
}
