#include "Common.ComplexPost.Comissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TComissaoComplexPost)

void TComissaoComplexPost::AfterClear()
{
    TComissaoEntity::AfterClear();
    EmptyList(FaixaHorarioComissaos);
    EmptyList(RemoveFaixaHorarioComissaos);
}
