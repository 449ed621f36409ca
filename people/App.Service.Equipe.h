#pragma once

#include "App.Base.Service.h"

// The teams of staff members (/equipe); the base calls serve them.
class TEquipeService final : public TBaseService
{
public:
    TEquipeService();
};
