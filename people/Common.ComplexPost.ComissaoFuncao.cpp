#include "Common.ComplexPost.ComissaoFuncao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TComissaoFuncaoComplexPost)

void TComissaoFuncaoComplexPost::AfterClear()
{
    TComissaoFuncaoEntity::AfterClear();
    EmptyList(TipoComissaoFuncaos);
    EmptyList(RemoveTipoComissaoFuncaos);
}
