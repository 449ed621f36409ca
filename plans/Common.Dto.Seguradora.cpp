#include "Common.Dto.Seguradora.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TSeguradoraDto)
