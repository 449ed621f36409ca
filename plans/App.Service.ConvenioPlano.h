#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TConvenioPlanoDto;

// The linked agreements of the plans (/convenio-plano).
class TConvenioPlanoService final : public TBaseService
{
public:
    TConvenioPlanoService();

    // The first 100 rows of the plan (GET /convenio-plano/plano/<id>); no list for a 304 reply.
    std::optional<TObjectList<TConvenioPlanoDto>> fillConvenioPlano(std::int64_t AIdPlano);
};
