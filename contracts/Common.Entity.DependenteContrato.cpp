#include "Common.Entity.DependenteContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TDependenteContratoEntity)
