#include "Common.ComplexPost.ModeloComissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TModeloComissaoComplexPost)

void TModeloComissaoComplexPost::AfterClear()
{
    TModeloComissaoEntity::AfterClear();
    EmptyList(ComissaoFuncaos);
    EmptyList(RemoveComissaoFuncaos);
}
