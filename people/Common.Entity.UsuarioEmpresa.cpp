#include "Common.Entity.UsuarioEmpresa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TUsuarioEmpresaEntity)
