#include "Common.Entity.ServicoContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TServicoContratoEntity)
