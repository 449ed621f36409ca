#include "Common.Dto.PlanoDependenteContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPlanoDependenteContratoDto)
