#pragma once

#include "App.Base.Service.h"

// The specialties (/especialidade); the base calls serve them.
class TEspecialidadeService final : public TBaseService
{
public:
    TEspecialidadeService();
};
