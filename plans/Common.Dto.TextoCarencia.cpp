#include "Common.Dto.TextoCarencia.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TTextoCarenciaDto)
