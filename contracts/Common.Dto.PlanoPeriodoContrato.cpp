#include "Common.Dto.PlanoPeriodoContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPlanoPeriodoContratoDto)
