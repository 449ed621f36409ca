#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.UsuarioConta.h"

#include <cstdint>
#include <optional>

// The accounts users work with (/usuario-conta).
class TUsuarioContaService final : public TBaseService
{
public:
    TUsuarioContaService();

    // The rows of one user (GET /usuario-conta/usuario/<id>); no list for 304 or a reply without
    // JSON.
    std::optional<TObjectList<TUsuarioContaDto>> findAllUsuarioConta(std::int64_t AIdUsuario);
};
