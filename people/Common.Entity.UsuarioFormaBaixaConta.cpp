#include "Common.Entity.UsuarioFormaBaixaConta.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TUsuarioFormaBaixaContaEntity)
