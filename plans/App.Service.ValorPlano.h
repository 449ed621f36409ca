#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TValorPlanoDto;

// The price history of the plans (/valor-plano).
class TValorPlanoService final : public TBaseService
{
public:
    TValorPlanoService();

    // The first 100 rows of the plan (GET /valor-plano/plano/<id>); no list for a 304 reply.
    std::optional<TObjectList<TValorPlanoDto>> fillValorPlano(std::int64_t AIdPlano);
};
