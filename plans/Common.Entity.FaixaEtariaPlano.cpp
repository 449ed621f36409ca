#include "Common.Entity.FaixaEtariaPlano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFaixaEtariaPlanoEntity)
