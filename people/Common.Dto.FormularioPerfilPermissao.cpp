#include "Common.Dto.FormularioPerfilPermissao.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFormularioPerfilPermissaoDto)
