#pragma once

#include "App.Base.Service.h"

// The movements of bonified or cancelled instalments (/estorno-sem-financeiro); the base's paged
// list serves it.
class TEstornoSemFinanceiroService final : public TBaseService
{
public:
    TEstornoSemFinanceiroService();
};
