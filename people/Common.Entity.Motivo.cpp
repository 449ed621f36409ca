#include "Common.Entity.Motivo.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TMotivoEntity)
