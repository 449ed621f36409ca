#include "Common.Dto.FaixaEtariaPlano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFaixaEtariaPlanoDto)
