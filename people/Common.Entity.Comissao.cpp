#include "Common.Entity.Comissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TComissaoEntity)
