#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TFormularioPerfilPermissaoDto;

// The permission rows of the profiles (/formulario-perfil-permissao).
class TFormularioPerfilPermissaoService final : public TBaseService
{
public:
    // Every window of the system is one row: the whole list in one page.
    static constexpr int LimitFormularios = 100000;

    TFormularioPerfilPermissaoService();

    // GET /formulario-perfil-permissao/perfil-permissao/<id>, page 1 of LimitFormularios: one
    // row per window of the system with that profile's flags (id 0 for a new profile). No list
    // for a 304 reply; a reply of 400 or above raises its message.
    std::optional<TObjectList<TFormularioPerfilPermissaoDto>>
    findAllFormulario(std::int64_t AIdPerfilPermissao);
};
