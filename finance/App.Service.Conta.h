#pragma once

#include "App.Base.Service.h"

// The accounts (/conta); the base calls serve it.
class TContaService final : public TBaseService
{
public:
    TContaService();
};
