#include "Common.Entity.ModeloComissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TModeloComissaoEntity)
