#include "Common.Entity.CarenciaPlano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TCarenciaPlanoEntity)
