#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.ComissaoFuncao.h"

#include <cstdint>
#include <optional>

// The functions of the commission models (/comissao-funcao).
class TComissaoFuncaoService final : public TBaseService
{
public:
    TComissaoFuncaoService();

    // The functions of one model (GET /comissao-funcao/modelo-comissao/<id>, the first page of
    // 100); no list for 304 or a reply without JSON.
    std::optional<TObjectList<TComissaoFuncaoDto>>
    fillComissaoFuncao(std::int64_t AIdModeloComissao);
};
