#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TItemCarenciaDto;

// The items of the waiting-period rules (/item-carencia), read per rule; they are saved with
// their rule's aggregate.
class TItemCarenciaService final : public TBaseService
{
public:
    TItemCarenciaService();

    // GET /item-carencia/carencia/<id> (paged, page 1 of 100): the rule's items; no list for a
    // 304 reply. A failed read raises the reply's text.
    std::optional<TObjectList<TItemCarenciaDto>> fillItemCarencia(std::int64_t AIdCarencia);
};
