#include "Common.Entity.Especialidade.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEspecialidadeEntity)
