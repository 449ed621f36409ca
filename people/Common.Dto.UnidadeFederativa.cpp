#include "Common.Dto.UnidadeFederativa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TUnidadeFederativaDto)
ZUNTA_REGISTER_CLASS(TUnidadeFederativaDto)
