#include "Common.Entity.Municipio.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TMunicipioEntity)
