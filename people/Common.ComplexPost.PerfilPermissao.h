#pragma once

#include "Common.Entity.FormularioPerfilPermissao.h"
#include "Common.Entity.PerfilPermissao.h"

#include <memory>

// The aggregate body of a profile saved with its permission rows (POST /perfil-permissao/complex):
// every ticked or stored row of every window, and the ids of stored rows removed in the window.
// Both lists exist from the start.
class TPerfilPermissaoComplexPost final : public TPerfilPermissaoEntity
{
    ZUNTA_CLASS(TPerfilPermissaoComplexPost)

    std::unique_ptr<TObjectList<TFormularioPerfilPermissaoEntity>> FormularioPerfilPermissaos
        = std::make_unique<TObjectList<TFormularioPerfilPermissaoEntity>>();
    std::unique_ptr<TListInt64> RemoveFormularioPerfilPermissaos = std::make_unique<TListInt64>();

    // Empties both lists; a list a reply left null is created again, so the next save sends it.
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TPerfilPermissaoComplexPost,
                      (TPerfilPermissaoEntity),
                      (FormularioPerfilPermissaos, RemoveFormularioPerfilPermissaos))
