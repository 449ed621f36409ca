#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.ColaboradorEquipe.h"

#include <cstdint>
#include <optional>

// The member histories of the teams (/colaborador-equipe).
class TColaboradorEquipeService final : public TBaseService
{
public:
    TColaboradorEquipeService();

    // The members of the team (GET /colaborador-equipe/equipe/<id>, the first 100); no list for 304
    // or a reply without JSON.
    std::optional<TObjectList<TColaboradorEquipeDto>> fillColaboradorEquipe(std::int64_t AIdEquipe);
};
