#include "Common.Dto.Empresa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEmpresaDto)
