#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.FaixaParcelaTipoComissao.h"

#include <cstdint>
#include <optional>

// The instalment bands of the models' commission types (/faixa-parcela-tipo-comissao).
class TFaixaParcelaTipoComissaoService final : public TBaseService
{
public:
    TFaixaParcelaTipoComissaoService();

    // Every instalment band of one model, whatever its type (GET
    // /faixa-parcela-tipo-comissao/modelo-comissao/<id>, the first page of 100); no list for 304 or
    // a reply without JSON.
    std::optional<TObjectList<TFaixaParcelaTipoComissaoDto>>
    fillFaixaParcelaTipoComissao(std::int64_t AIdModeloComissao);
};
