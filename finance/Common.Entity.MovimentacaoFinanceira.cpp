#include "Common.Entity.MovimentacaoFinanceira.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TMovimentacaoFinanceiraEntity)
