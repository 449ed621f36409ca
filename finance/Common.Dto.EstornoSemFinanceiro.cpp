#include "Common.Dto.EstornoSemFinanceiro.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEstornoSemFinanceiroDto)
