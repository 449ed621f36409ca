#include "Common.Dto.FaixaHorarioComissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFaixaHorarioComissaoDto)
