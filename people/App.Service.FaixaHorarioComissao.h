#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.FaixaHorarioComissao.h"

#include <cstdint>
#include <optional>

// The time bands of the commission tables (/faixa-horario-comissao).
class TFaixaHorarioComissaoService final : public TBaseService
{
public:
    TFaixaHorarioComissaoService();

    // The time bands of one table (GET /faixa-horario-comissao/comissao/<id>, the first page of
    // 100); no list for 304 or a reply without JSON.
    std::optional<TObjectList<TFaixaHorarioComissaoDto>>
    fillFaixaHorarioComissao(std::int64_t AIdComissao);
};
