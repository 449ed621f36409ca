#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.EquipeColaboradorEmpresa.h"

#include <cstdint>
#include <optional>

// The team histories of the employments (/equipe-colaborador-empresa).
class TEquipeColaboradorEmpresaService final : public TBaseService
{
public:
    TEquipeColaboradorEmpresaService();

    // The team rows of every employment of the staff member (GET
    // /equipe-colaborador-empresa/colaborador/<id>, the first 100); no list for 304 or a reply
    // without JSON.
    std::optional<TObjectList<TEquipeColaboradorEmpresaDto>>
    fillEquipeColaboradorEmpresa(std::int64_t AIdColaborador);
};
