#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TValorServicoDto;

// The value history of the services (/valor-servico).
class TValorServicoService final : public TBaseService
{
public:
    TValorServicoService();

    // The first 100 rows of the service (GET /valor-servico/servico/<id>); no list for a 304 reply.
    std::optional<TObjectList<TValorServicoDto>> fillValorServico(std::int64_t AIdServico);
};
