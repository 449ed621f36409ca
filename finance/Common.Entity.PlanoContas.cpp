#include "Common.Entity.PlanoContas.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPlanoContasEntity)
