#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TServicoDto;

// The services (/servico): the generic calls with the service's records, and the members of a
// kit as service rows.
class TServicoService final : public TBaseService
{
public:
    TServicoService();

    // The member services of the kit (GET /servico/servico-kit/<id>, first 100), as service rows
    // whose Id, Descricao and Valor describe each member; no list for a 304 reply, which callers
    // take as an empty kit.
    std::optional<TObjectList<TServicoDto>> findAllByServicoKit(std::int64_t AId);
};
