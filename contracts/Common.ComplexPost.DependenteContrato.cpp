#include "Common.ComplexPost.DependenteContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TDependenteContratoComplexPost)

void TDependenteContratoComplexPost::AfterClear()
{
    TDependenteContratoEntity::AfterClear();
    EmptyList(ServicoDependentes);
    EmptyList(RemoveServicoDependentes);
    EmptyList(RemoveBeneficiarioDependenteContratos);
    EmptyList(BeneficiarioDependenteContratos);
}
