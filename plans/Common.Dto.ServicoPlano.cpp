#include "Common.Dto.ServicoPlano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TServicoPlanoDto)
