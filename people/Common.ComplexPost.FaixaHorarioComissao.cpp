#include "Common.ComplexPost.FaixaHorarioComissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFaixaHorarioComissaoComplexPost)

void TFaixaHorarioComissaoComplexPost::AfterClear()
{
    TFaixaHorarioComissaoEntity::AfterClear();
    EmptyList(FaixaComissaos);
    EmptyList(RemoveFaixaComissaos);
}
