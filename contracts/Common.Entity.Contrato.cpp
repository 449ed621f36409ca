#include "Common.Entity.Contrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TContratoEntity)
