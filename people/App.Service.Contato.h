#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TContatoDto;

// The contacts of the persons (/contato), read per person; they are saved with the person's
// aggregate (or the contract's).
class TContatoService final : public TBaseService
{
public:
    TContatoService();

    // GET /contato/pessoa/<id> (paged, page 1 of 100): the person's contacts; no list for a 304
    // reply. A failed read raises the reply's text.
    std::optional<TObjectList<TContatoDto>> fillContato(std::int64_t AIdPessoa);
};
