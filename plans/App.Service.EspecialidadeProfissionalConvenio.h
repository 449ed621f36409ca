#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TEspecialidadeProfissionalConvenioDto;

// The specialties of the agreements' professionals (/especialidade-profissional-convenio).
class TEspecialidadeProfissionalConvenioService final : public TBaseService
{
public:
    TEspecialidadeProfissionalConvenioService();

    // The first 100 rows of the agreement (GET /especialidade-profissional-convenio/convenio/<id>);
    // no list for a 304 reply or one without JSON. The specialties of every professional of the
    // agreement come at once.
    std::optional<TObjectList<TEspecialidadeProfissionalConvenioDto>>
    fillEspecialidadeProfissionalConvenio(std::int64_t AIdConvenio);
};
