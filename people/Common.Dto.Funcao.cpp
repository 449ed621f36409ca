#include "Common.Dto.Funcao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFuncaoDto)
