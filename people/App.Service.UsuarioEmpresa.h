#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.UsuarioEmpresa.h"

#include <cstdint>
#include <optional>

// The companies of the users' registration (/usuario-empresa), each with its link to a user.
class TUsuarioEmpresaService final : public TBaseService
{
public:
    TUsuarioEmpresaService();

    // The rows of one user (GET /usuario-empresa/usuario/<id>); no list for 304 or a reply without
    // JSON.
    std::optional<TObjectList<TUsuarioEmpresaDto>> findAllEmpresa(std::int64_t AIdUsuario);
};
