#include "Common.Entity.ItemCarencia.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TItemCarenciaEntity)
