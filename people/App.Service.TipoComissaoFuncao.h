#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.TipoComissaoFuncao.h"

#include <cstdint>
#include <optional>

// The commission types of the models' functions (/tipo-comissao-funcao).
class TTipoComissaoFuncaoService final : public TBaseService
{
public:
    TTipoComissaoFuncaoService();

    // Every type of one model, whatever its function (GET
    // /tipo-comissao-funcao/modelo-comissao/<id>, the first page of 100); no list for 304 or a
    // reply without JSON.
    std::optional<TObjectList<TTipoComissaoFuncaoDto>>
    fillTipoComissaoFuncao(std::int64_t AIdModeloComissao);
};
