#include "Common.Entity.FormularioPerfilPermissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFormularioPerfilPermissaoEntity)
