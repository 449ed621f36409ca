#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TEnderecoDto;

// The addresses of the persons (/endereco), read per person; they are saved with the person's
// aggregate (or the contract's).
class TEnderecoService final : public TBaseService
{
public:
    TEnderecoService();

    // GET /endereco/pessoa/<id> (paged, page 1 of 100): the person's addresses; no list for a
    // 304 reply. A failed read raises the reply's text.
    std::optional<TObjectList<TEnderecoDto>> fillEndereco(std::int64_t AIdPessoa);
};
