#pragma once

#include "App.Base.Service.h"

// The reasons (/motivo); the base calls serve them.
class TMotivoService final : public TBaseService
{
public:
    TMotivoService();
};
