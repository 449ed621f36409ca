#include "Common.Entity.PlanoSeguradora.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPlanoSeguradoraEntity)
