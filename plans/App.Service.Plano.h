#pragma once

#include "App.Base.Service.h"

// The plans (/plano); the base calls serve them, the aggregate save included.
class TPlanoService final : public TBaseService
{
public:
    TPlanoService();
};
