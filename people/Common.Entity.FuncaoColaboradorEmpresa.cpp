#include "Common.Entity.FuncaoColaboradorEmpresa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFuncaoColaboradorEmpresaEntity)
