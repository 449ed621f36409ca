#include "Common.Dto.MovimentacaoFinanceira.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TMovimentacaoFinanceiraDto)
