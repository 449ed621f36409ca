#include "Common.Dto.UsuarioEmpresa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TUsuarioEmpresaDto)
