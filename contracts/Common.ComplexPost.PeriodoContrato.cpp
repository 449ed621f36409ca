#include "Common.ComplexPost.PeriodoContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPeriodoContratoComplexPost)

void TPeriodoContratoComplexPost::AfterClear()
{
    TPeriodoContratoEntity::AfterClear();
    EmptyList(PlanoPeriodoContratos);
    EmptyList(RemovePlanoPeriodoContratos);
}
