#include "Common.Dto.ModeloComissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TModeloComissaoDto)
