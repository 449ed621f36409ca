#include "Common.Dto.FaixaParcelaTipoComissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFaixaParcelaTipoComissaoDto)
