#include "Common.Entity.Funcao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFuncaoEntity)
