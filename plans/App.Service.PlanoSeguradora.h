#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TPlanoSeguradoraDto;

// The plans of the insurers (/plano-seguradora), read per insurer; they are saved with
// their insurer's aggregate.
class TPlanoSeguradoraService final : public TBaseService
{
public:
    TPlanoSeguradoraService();

    // GET /plano-seguradora/seguradora/<id> (paged, page 1 of 100): the insurer's plans; no list for a
    // 304 reply. A failed read raises the reply's text.
    std::optional<TObjectList<TPlanoSeguradoraDto>> fillPlanoSeguradora(std::int64_t AIdSeguradora);
};
