#pragma once

#include "App.Base.Service.h"

// The agreements (/convenio); the base calls serve them, the aggregate save included.
class TConvenioService final : public TBaseService
{
public:
    TConvenioService();
};
