#include "Common.Entity.ListaSistema.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TListaSistemaEntity)
