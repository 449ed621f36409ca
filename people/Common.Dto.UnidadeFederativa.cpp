#include "Common.Dto.UnidadeFederativa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TUnidadeFederativaDto)
