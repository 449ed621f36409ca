#include "Common.ComplexPost.TipoComissaoFuncao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TTipoComissaoFuncaoComplexPost)

void TTipoComissaoFuncaoComplexPost::AfterClear()
{
    TTipoComissaoFuncaoEntity::AfterClear();
    EmptyList(FaixaParcelaTipoComissaos);
    EmptyList(RemoveFaixaParcelaTipoComissaos);
}
