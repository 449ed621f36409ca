#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TServicoDependentePlanoDto;

// The extra services of the allowed dependents of the plans (/servico-dependente-plano).
class TServicoDependentePlanoService final : public TBaseService
{
public:
    TServicoDependentePlanoService();

    // The first 100 rows of the plan (GET /servico-dependente-plano/plano/<id>); no list for a 304
    // reply.
    std::optional<TObjectList<TServicoDependentePlanoDto>>
    fillServicoDependentePlano(std::int64_t AIdPlano);
};
