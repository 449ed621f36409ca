#include "Common.Dto.Especialidade.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEspecialidadeDto)
