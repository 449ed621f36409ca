#include "Common.Entity.ServicoPlano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TServicoPlanoEntity)
