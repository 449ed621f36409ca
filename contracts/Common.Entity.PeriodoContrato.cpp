#include "Common.Entity.PeriodoContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPeriodoContratoEntity)
