#pragma once

#include "App.Base.Service.h"

// The reversals of cash movements (/estorno-movimentacao-financeira); the base calls serve it.
class TEstornoMovimentacaoFinanceiraService final : public TBaseService
{
public:
    TEstornoMovimentacaoFinanceiraService();
};
