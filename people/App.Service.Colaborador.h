#pragma once

#include "App.Base.Service.h"

// The staff members (/colaborador); the base calls serve them.
class TColaboradorService final : public TBaseService
{
public:
    TColaboradorService();
};
