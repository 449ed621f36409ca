#pragma once

#include "App.Base.Service.h"

// The back end's list of class names (/classes); only the generic calls.
class TClassesService final : public TBaseService
{
public:
    TClassesService();
};
