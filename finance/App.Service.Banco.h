#pragma once

#include "App.Base.Service.h"

// The banks (/banco); the base calls serve it.
class TBancoService final : public TBaseService
{
public:
    TBancoService();
};
