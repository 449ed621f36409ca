#include "Common.Dto.Agencia.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TAgenciaDto)
