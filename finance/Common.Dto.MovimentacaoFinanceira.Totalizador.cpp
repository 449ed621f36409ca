#include "Common.Dto.MovimentacaoFinanceira.Totalizador.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TTotalizadorMovimentacaoFinanceiraDto)
