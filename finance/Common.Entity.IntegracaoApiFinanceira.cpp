#include "Common.Entity.IntegracaoApiFinanceira.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TIntegracaoApiFinanceiraEntity)
