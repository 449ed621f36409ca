#include "Common.ComplexPost.VinculacaoApiFinanceira.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TVinculacaoApiFinanceiraComplexPost)
