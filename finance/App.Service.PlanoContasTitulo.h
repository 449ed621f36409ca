#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TPlanoContasTituloDto;

// The chart-of-accounts shares of titles (/plano-contas-titulo), saved inside the title's
// aggregate.
class TPlanoContasTituloService final : public TBaseService
{
public:
    TPlanoContasTituloService();

    // GET /plano-contas-titulo/titulo/<id>, page 1 of 100: the title's chart-of-accounts shares; no
    // list for status 304 or a reply without JSON.
    std::optional<TObjectList<TPlanoContasTituloDto>> fillPlanoContasTitulo(std::int64_t AIdTitulo);
};
