#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.ColaboradorEmpresa.h"

#include <cstdint>
#include <optional>

// The employments of the staff members (/colaborador-empresa).
class TColaboradorEmpresaService final : public TBaseService
{
public:
    TColaboradorEmpresaService();

    // Every employment of the staff member (GET /colaborador-empresa/colaborador/<id>, the first
    // 100); no list for 304 or a reply without JSON.
    std::optional<TObjectList<TColaboradorEmpresaDto>>
    fillColaboradorEmpresa(std::int64_t AIdColaborador);
};
