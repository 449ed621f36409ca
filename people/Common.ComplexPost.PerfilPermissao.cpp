#include "Common.ComplexPost.PerfilPermissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPerfilPermissaoComplexPost)

void TPerfilPermissaoComplexPost::AfterClear()
{
    TPerfilPermissaoEntity::AfterClear();
    if (FormularioPerfilPermissaos)
        FormularioPerfilPermissaos->clear();
    else
        FormularioPerfilPermissaos
            = std::make_unique<TObjectList<TFormularioPerfilPermissaoEntity>>();
    if (RemoveFormularioPerfilPermissaos)
        RemoveFormularioPerfilPermissaos->clear();
    else
        RemoveFormularioPerfilPermissaos = std::make_unique<TListInt64>();
}
