#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.ColaboradorCarteira.h"

#include <cstdint>
#include <optional>

// The collector histories of the portfolios (/colaborador-carteira).
class TColaboradorCarteiraService final : public TBaseService
{
public:
    TColaboradorCarteiraService();

    // The collectors of the portfolio (GET /colaborador-carteira/carteira/<id>, the first 100);
    // no list for 304 or a reply without JSON.
    std::optional<TObjectList<TColaboradorCarteiraDto>>
    fillColaboradorCarteira(std::int64_t AIdCarteira);
};
