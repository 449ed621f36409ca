#pragma once

#include "App.Base.Service.h"

// The branches (/agencia); the base calls serve it.
class TAgenciaService final : public TBaseService
{
public:
    TAgenciaService();
};
