#include "Common.Entity.VendedorPlano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TVendedorPlanoEntity)
