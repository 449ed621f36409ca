#pragma once

#include "App.Base.Service.h"

// The insurers (/seguradora); the base calls serve them.
class TSeguradoraService final : public TBaseService
{
public:
    TSeguradoraService();
};
