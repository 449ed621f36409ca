#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.BairroCarteira.h"

#include <cstdint>
#include <optional>

// The neighbourhood histories of the portfolios (/bairro-carteira).
class TBairroCarteiraService final : public TBaseService
{
public:
    TBairroCarteiraService();

    // The neighbourhoods of the portfolio (GET /bairro-carteira/carteira/<id>, the first 100);
    // no list for 304 or a reply without JSON.
    std::optional<TObjectList<TBairroCarteiraDto>> fillBairroCarteira(std::int64_t AIdCarteira);
    // The same for the portfolios of a collector (GET /bairro-carteira/colaborador/<id>).
    std::optional<TObjectList<TBairroCarteiraDto>>
    fillBairroCarteiraByColaborador(std::int64_t AIdColaborador);
};
