#include "Common.Dto.ColaboradorEmpresa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TColaboradorEmpresaDto)
