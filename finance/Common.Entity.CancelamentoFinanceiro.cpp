#include "Common.Entity.CancelamentoFinanceiro.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TCancelamentoFinanceiroEntity)
