#include "Common.Dto.PeriodoContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPeriodoContratoDto)
