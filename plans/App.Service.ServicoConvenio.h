#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TServicoConvenioDto;

// The services of the agreements (/servico-convenio).
class TServicoConvenioService final : public TBaseService
{
public:
    TServicoConvenioService();

    // The first 100 rows of the agreement (GET /servico-convenio/convenio/<id>); no list for a 304
    // reply or one without JSON.
    std::optional<TObjectList<TServicoConvenioDto>> fillServicoConvenio(std::int64_t AIdConvenio);
};
