#pragma once

#include "Common.Entity.Usuario.h"
#include "Common.Entity.UsuarioConta.h"
#include "Common.Entity.UsuarioEmpresa.h"
#include "Common.Entity.UsuarioEmpresaPerfilPermissao.h"
#include "Common.Entity.UsuarioFormaBaixaConta.h"

#include <memory>

// A user's company link inside the user's aggregate, with the profiles the user holds there and
// the ids of removed profile links (the remove list comes first at this level).
class TUsuarioEmpresaComplexPost final : public TUsuarioEmpresaEntity
{
    ZUNTA_CLASS(TUsuarioEmpresaComplexPost)

    std::unique_ptr<TListInt64> RemoveUsuarioEmpresaPerfilPermissaos
        = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TUsuarioEmpresaPerfilPermissaoEntity>>
        UsuarioEmpresaPerfilPermissaos
        = std::make_unique<TObjectList<TUsuarioEmpresaPerfilPermissaoEntity>>();

    // Empties both lists (a list a reply left null is created again).
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TUsuarioEmpresaComplexPost,
                      (TUsuarioEmpresaEntity),
                      (RemoveUsuarioEmpresaPerfilPermissaos, UsuarioEmpresaPerfilPermissaos))

// The aggregate body of a user saved with its children (POST /usuario/complex): the company
// links with their profiles, the accounts and the settlement methods, each with the ids of the
// stored children removed in the window. The six lists exist from the start.
class TUsuarioComplexPost final : public TUsuarioEntity
{
    ZUNTA_CLASS(TUsuarioComplexPost)

    std::unique_ptr<TObjectList<TUsuarioEmpresaComplexPost>> UsuarioEmpresas
        = std::make_unique<TObjectList<TUsuarioEmpresaComplexPost>>();
    std::unique_ptr<TListInt64> RemoveUsuarioEmpresas = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TUsuarioContaEntity>> UsuarioContas
        = std::make_unique<TObjectList<TUsuarioContaEntity>>();
    std::unique_ptr<TListInt64> RemoveUsuarioContas = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TUsuarioFormaBaixaContaEntity>> UsuarioFormaBaixaContas
        = std::make_unique<TObjectList<TUsuarioFormaBaixaContaEntity>>();
    std::unique_ptr<TListInt64> RemoveUsuarioFormaBaixaContas = std::make_unique<TListInt64>();

    // Empties the six lists (a list a reply left null is created again).
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TUsuarioComplexPost,
                      (TUsuarioEntity),
                      (UsuarioEmpresas,
                       RemoveUsuarioEmpresas,
                       UsuarioContas,
                       RemoveUsuarioContas,
                       UsuarioFormaBaixaContas,
                       RemoveUsuarioFormaBaixaContas))
