#include "Common.Entity.PlanoPeriodoContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPlanoPeriodoContratoEntity)
