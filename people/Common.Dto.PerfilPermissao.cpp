#include "Common.Dto.PerfilPermissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPerfilPermissaoDto)
