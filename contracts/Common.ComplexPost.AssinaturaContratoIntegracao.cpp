#include "Common.ComplexPost.AssinaturaContratoIntegracao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TAssinaturaContratoIntegracaoComplexPost)
