#pragma once

#include "App.Base.Service.h"

// The chart of accounts (/plano-contas); the base calls serve it.
class TPlanoContasService final : public TBaseService
{
public:
    TPlanoContasService();
};
