#include "Common.Entity.ValorPlano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TValorPlanoEntity)
