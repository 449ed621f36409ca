#include "Common.Dto.ServicoDependente.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TServicoDependenteDto)
