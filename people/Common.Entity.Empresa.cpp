#include "Common.Entity.Empresa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEmpresaEntity)
