#pragma once

#include "Common.Base.Entity.h"

// An access profile a user holds in one linked company. Inside a user's aggregate the company
// link it belongs to is given by the nesting, so IdUsuarioEmpresa stays 0 there.
class TUsuarioEmpresaPerfilPermissaoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TUsuarioEmpresaPerfilPermissaoEntity)

    std::int64_t IdUsuarioEmpresa = 0;
    std::int64_t IdPerfilPermissao = 0;
};
BOOST_DESCRIBE_STRUCT(TUsuarioEmpresaPerfilPermissaoEntity,
                      (TBaseEntity),
                      (IdUsuarioEmpresa, IdPerfilPermissao))
