#include "Common.Entity.CarenciaServico.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TCarenciaServicoEntity)
