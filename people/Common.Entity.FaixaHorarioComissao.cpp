#include "Common.Entity.FaixaHorarioComissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFaixaHorarioComissaoEntity)
