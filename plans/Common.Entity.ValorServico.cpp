#include "Common.Entity.ValorServico.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TValorServicoEntity)
