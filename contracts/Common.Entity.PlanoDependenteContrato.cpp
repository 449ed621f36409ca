#include "Common.Entity.PlanoDependenteContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPlanoDependenteContratoEntity)
