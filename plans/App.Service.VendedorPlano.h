#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TVendedorPlanoDto;

// The sellers of the plans (/vendedor-plano).
class TVendedorPlanoService final : public TBaseService
{
public:
    TVendedorPlanoService();

    // The first 100 rows of the plan (GET /vendedor-plano/plano/<id>); no list for a 304 reply.
    std::optional<TObjectList<TVendedorPlanoDto>> fillVendedorPlano(std::int64_t AIdPlano);
};
