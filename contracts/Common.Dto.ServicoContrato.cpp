#include "Common.Dto.ServicoContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TServicoContratoDto)
