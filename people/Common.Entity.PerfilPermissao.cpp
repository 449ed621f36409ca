#include "Common.Entity.PerfilPermissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPerfilPermissaoEntity)
