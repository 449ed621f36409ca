#include "Common.Dto.FuncaoColaboradorEmpresa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFuncaoColaboradorEmpresaDto)
