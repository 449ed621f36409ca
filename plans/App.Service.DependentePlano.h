#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TDependentePlanoDto;

// The allowed dependents of the plans (/dependente-plano).
class TDependentePlanoService final : public TBaseService
{
public:
    TDependentePlanoService();

    // The first 100 rows of the plan (GET /dependente-plano/plano/<id>); no list for a 304 reply.
    std::optional<TObjectList<TDependentePlanoDto>> fillDependentePlano(std::int64_t AIdPlano);
};
