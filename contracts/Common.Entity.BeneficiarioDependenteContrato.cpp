#include "Common.Entity.BeneficiarioDependenteContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TBeneficiarioDependenteContratoEntity)
