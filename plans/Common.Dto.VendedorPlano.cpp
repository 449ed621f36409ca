#include "Common.Dto.VendedorPlano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TVendedorPlanoDto)
