#include "App.Service.EstornoMovimentacaoFinanceira.h"

ZUNTA_REGISTER_SERVICE(TEstornoMovimentacaoFinanceiraService)

TEstornoMovimentacaoFinanceiraService::TEstornoMovimentacaoFinanceiraService()
    : TBaseService(QStringLiteral("TEstornoMovimentacaoFinanceiraService"))
{ }
