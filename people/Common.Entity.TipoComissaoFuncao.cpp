#include "Common.Entity.TipoComissaoFuncao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TTipoComissaoFuncaoEntity)
