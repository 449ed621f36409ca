#include "Common.Dto.Comissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TComissaoDto)
