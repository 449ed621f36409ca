#pragma once

#include "App.Base.Service.h"

// The commission tables (/comissao); the base calls serve them.
class TComissaoService final : public TBaseService
{
public:
    TComissaoService();
};
