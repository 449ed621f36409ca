#include "Common.Dto.AssinaturaContratoIntegracao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TAssinaturaContratoIntegracaoDto)
