#include "App.Service.EstornoSemFinanceiro.h"

ZUNTA_REGISTER_SERVICE(TEstornoSemFinanceiroService)

TEstornoSemFinanceiroService::TEstornoSemFinanceiroService()
    : TBaseService(QStringLiteral("TEstornoSemFinanceiroService"))
{ }
