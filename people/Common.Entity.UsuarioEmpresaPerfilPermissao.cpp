#include "Common.Entity.UsuarioEmpresaPerfilPermissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TUsuarioEmpresaPerfilPermissaoEntity)
