#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TCarenciaServicoDto;

// The waiting-period rules of the services (/carencia-servico).
class TCarenciaServicoService final : public TBaseService
{
public:
    TCarenciaServicoService();

    // The first 100 rows of the service (GET /carencia-servico/servico/<id>); no list for a 304
    // reply.
    std::optional<TObjectList<TCarenciaServicoDto>> fillCarenciaServico(std::int64_t AIdServico);
};
