#include "Common.Dto.FechamentoOrdemServico.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFechamentoOrdemServicoDto)
