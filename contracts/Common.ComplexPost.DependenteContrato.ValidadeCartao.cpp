#include "Common.ComplexPost.DependenteContrato.ValidadeCartao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TValidadeCartaoDependenteContratoComplexPost)
