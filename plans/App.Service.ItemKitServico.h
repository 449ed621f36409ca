#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TItemKitServicoDto;

// The members of the kits (/item-kit-servico).
class TItemKitServicoService final : public TBaseService
{
public:
    TItemKitServicoService();

    // The first 100 rows of the service (GET /item-kit-servico/servico/<id>); no list for a 304
    // reply.
    std::optional<TObjectList<TItemKitServicoDto>> fillItemKitServico(std::int64_t AIdServico);
};
