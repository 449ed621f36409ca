#include "Common.Entity.AdicionalContratoPlano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TAdicionalContratoPlanoEntity)
