#include "Common.Dto.Municipio.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TMunicipioDto)
