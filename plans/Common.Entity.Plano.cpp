#include "Common.Entity.Plano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPlanoEntity)
