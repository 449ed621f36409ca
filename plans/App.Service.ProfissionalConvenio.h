#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TProfissionalConvenioDto;

// The professionals of the agreements (/profissional-convenio).
class TProfissionalConvenioService final : public TBaseService
{
public:
    TProfissionalConvenioService();

    // The first 100 rows of the agreement (GET /profissional-convenio/convenio/<id>); no list for a
    // 304 reply or one without JSON.
    std::optional<TObjectList<TProfissionalConvenioDto>>
    fillProfissionalConvenio(std::int64_t AIdConvenio);
};
