#include "Common.Dto.PlanoSeguradora.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPlanoSeguradoraDto)
