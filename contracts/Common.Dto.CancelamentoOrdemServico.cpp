#include "Common.Dto.CancelamentoOrdemServico.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TCancelamentoOrdemServicoDto)
