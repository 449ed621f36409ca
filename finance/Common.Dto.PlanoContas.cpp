#include "Common.Dto.PlanoContas.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPlanoContasDto)
