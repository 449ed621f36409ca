#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The rights of one profile over one window: the eight flags every window receives for the
// logged-in user. The flags travel in the back end's member order (editar before inserir, the
// extra flags 2 and 3 before 1); the members are named, so only the names bind. IdPerfilPermissao
// stays 0 in the bodies the client builds: the nesting under the profile carries it.
class TFormularioPerfilPermissaoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TFormularioPerfilPermissaoEntity)

    std::int64_t IdPerfilPermissao = 0;
    std::int64_t IdFormulario = 0;
    bool Editar = false;
    bool Inserir = false;
    bool Remover = false;
    bool Movimentar = false;
    bool Visualizar = false;
    bool PermissaoExtra2 = false;
    bool PermissaoExtra3 = false;
    bool PermissaoExtra1 = false;
};
BOOST_DESCRIBE_STRUCT(TFormularioPerfilPermissaoEntity,
                      (TBaseEntity),
                      (IdPerfilPermissao,
                       IdFormulario,
                       Editar,
                       Inserir,
                       Remover,
                       Movimentar,
                       Visualizar,
                       PermissaoExtra2,
                       PermissaoExtra3,
                       PermissaoExtra1))
