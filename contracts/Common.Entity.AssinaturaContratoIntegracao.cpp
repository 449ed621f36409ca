#include "Common.Entity.AssinaturaContratoIntegracao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TAssinaturaContratoIntegracaoEntity)
