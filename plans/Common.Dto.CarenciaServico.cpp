#include "Common.Dto.CarenciaServico.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TCarenciaServicoDto)
