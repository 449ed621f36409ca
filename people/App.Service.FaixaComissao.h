#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.FaixaComissao.h"

#include <cstdint>
#include <optional>

// The commission bands of the time bands (/faixa-comissao).
class TFaixaComissaoService final : public TBaseService
{
public:
    TFaixaComissaoService();

    // Every band of one table, whatever its time band (GET /faixa-comissao/comissao/<id>, the first
    // page of 100); no list for 304 or a reply without JSON.
    std::optional<TObjectList<TFaixaComissaoDto>> fillFaixaComissao(std::int64_t AIdComissao);
};
