#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.UsuarioEmpresaPerfilPermissao.h"

#include <cstdint>
#include <optional>

// The profiles users hold per company (/usuario-empresa-perfil-permissao).
class TUsuarioEmpresaPerfilPermissaoService final : public TBaseService
{
public:
    TUsuarioEmpresaPerfilPermissaoService();

    // The rows of one user (GET /usuario-empresa-perfil-permissao/usuario/<id>); no list for 304 or
    // a reply without JSON.
    std::optional<TObjectList<TUsuarioEmpresaPerfilPermissaoDto>>
    findAllUsuarioEmpresaPerfilPermissao(std::int64_t AIdUsuario);
};
