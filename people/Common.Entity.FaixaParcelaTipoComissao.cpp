#include "Common.Entity.FaixaParcelaTipoComissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFaixaParcelaTipoComissaoEntity)
