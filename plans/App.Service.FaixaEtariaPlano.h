#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TFaixaEtariaPlanoDto;

// The covered age bands of the plans (/faixa-etaria-plano).
class TFaixaEtariaPlanoService final : public TBaseService
{
public:
    TFaixaEtariaPlanoService();

    // The first 100 rows of the plan (GET /faixa-etaria-plano/plano/<id>); no list for a 304 reply.
    std::optional<TObjectList<TFaixaEtariaPlanoDto>> fillFaixaEtariaPlano(std::int64_t AIdPlano);
};
