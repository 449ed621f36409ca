#pragma once

#include "App.Base.Service.h"

// The job functions of staff members (/funcao); the base calls serve them.
class TFuncaoService final : public TBaseService
{
public:
    TFuncaoService();
};
