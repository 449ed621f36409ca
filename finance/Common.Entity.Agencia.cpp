#include "Common.Entity.Agencia.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TAgenciaEntity)
