#include "Common.Dto.CarenciaPlano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TCarenciaPlanoDto)
