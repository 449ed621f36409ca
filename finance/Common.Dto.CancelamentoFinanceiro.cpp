#include "Common.Dto.CancelamentoFinanceiro.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TCancelamentoFinanceiroDto)
