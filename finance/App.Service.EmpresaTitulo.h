#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TEmpresaTituloDto;

// The company shares of titles (/empresa-titulo), saved inside the title's aggregate.
class TEmpresaTituloService final : public TBaseService
{
public:
    TEmpresaTituloService();

    // GET /empresa-titulo/titulo/<id>, page 1 of 100: the title's company shares; no list for
    // status 304 or a reply without JSON.
    std::optional<TObjectList<TEmpresaTituloDto>> fillEmpresaTitulo(std::int64_t AIdTitulo);
};
