#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TServicoPlanoDto;

// The included services of the plans (/servico-plano).
class TServicoPlanoService final : public TBaseService
{
public:
    TServicoPlanoService();

    // The first 100 rows of the plan (GET /servico-plano/plano/<id>); no list for a 304 reply.
    std::optional<TObjectList<TServicoPlanoDto>> fillServicoPlano(std::int64_t AIdPlano);
};
