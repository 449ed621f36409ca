#include "Common.ComplexPost.Usuario.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TUsuarioEmpresaComplexPost)
ZUNTA_DEFINE_CLASS(TUsuarioComplexPost)

namespace {

template<class T>
void emptyList(std::unique_ptr<T> &list)
{
    if (list)
        list->clear();
    else
        list = std::make_unique<T>();
}

} // namespace

void TUsuarioEmpresaComplexPost::AfterClear()
{
    TUsuarioEmpresaEntity::AfterClear();
    emptyList(RemoveUsuarioEmpresaPerfilPermissaos);
    emptyList(UsuarioEmpresaPerfilPermissaos);
}

void TUsuarioComplexPost::AfterClear()
{
    TUsuarioEntity::AfterClear();
    emptyList(UsuarioEmpresas);
    emptyList(RemoveUsuarioEmpresas);
    emptyList(UsuarioContas);
    emptyList(RemoveUsuarioContas);
    emptyList(UsuarioFormaBaixaContas);
    emptyList(RemoveUsuarioFormaBaixaContas);
}
