#include "Common.Dto.EmpresaTitulo.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEmpresaTituloDto)
