#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.FuncaoColaboradorEmpresa.h"

#include <cstdint>
#include <optional>

// The function and salary histories of the employments (/funcao-colaborador-empresa).
class TFuncaoColaboradorEmpresaService final : public TBaseService
{
public:
    TFuncaoColaboradorEmpresaService();

    // The history rows of every employment of the staff member (GET
    // /funcao-colaborador-empresa/colaborador/<id>, the first 100); no list for 304 or a reply
    // without JSON.
    std::optional<TObjectList<TFuncaoColaboradorEmpresaDto>>
    fillFuncaoColaboradorEmpresa(std::int64_t AIdColaborador);
};
