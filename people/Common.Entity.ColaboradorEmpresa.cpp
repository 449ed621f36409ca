#include "Common.Entity.ColaboradorEmpresa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TColaboradorEmpresaEntity)
