#include "Common.Dto.ItemCarencia.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TItemCarenciaDto)
