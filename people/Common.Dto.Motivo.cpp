#include "Common.Dto.Motivo.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TMotivoDto)
