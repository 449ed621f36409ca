#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TCarenciaPlanoDto;

// The waiting-period rules of the plans (/carencia-plano).
class TCarenciaPlanoService final : public TBaseService
{
public:
    TCarenciaPlanoService();

    // The first 100 rows of the plan (GET /carencia-plano/plano/<id>); no list for a 304 reply.
    std::optional<TObjectList<TCarenciaPlanoDto>> fillCarenciaPlano(std::int64_t AIdPlano);
};
