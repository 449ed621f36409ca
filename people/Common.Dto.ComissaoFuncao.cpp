#include "Common.Dto.ComissaoFuncao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TComissaoFuncaoDto)
