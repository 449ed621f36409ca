#include "Common.Entity.FaixaComissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFaixaComissaoEntity)
