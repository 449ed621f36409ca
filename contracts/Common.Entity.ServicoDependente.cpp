#include "Common.Entity.ServicoDependente.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TServicoDependenteEntity)
