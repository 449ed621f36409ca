#include "Common.Dto.BeneficiarioDependenteContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TBeneficiarioDependenteContratoDto)
