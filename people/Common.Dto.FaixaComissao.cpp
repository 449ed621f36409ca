#include "Common.Dto.FaixaComissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFaixaComissaoDto)
