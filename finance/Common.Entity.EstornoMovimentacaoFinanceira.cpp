#include "Common.Entity.EstornoMovimentacaoFinanceira.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEstornoMovimentacaoFinanceiraEntity)
