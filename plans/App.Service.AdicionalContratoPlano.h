#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TAdicionalContratoPlanoDto;

// The contract add-ons of the plans (/adicional-contrato-plano).
class TAdicionalContratoPlanoService final : public TBaseService
{
public:
    TAdicionalContratoPlanoService();

    // The first 100 rows of the plan (GET /adicional-contrato-plano/plano/<id>); no list for a 304
    // reply.
    std::optional<TObjectList<TAdicionalContratoPlanoDto>>
    fillAdicionalContratoPlano(std::int64_t AIdPlano);
};
