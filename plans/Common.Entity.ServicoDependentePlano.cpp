#include "Common.Entity.ServicoDependentePlano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TServicoDependentePlanoEntity)
