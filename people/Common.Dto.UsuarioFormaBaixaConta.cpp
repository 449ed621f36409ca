#include "Common.Dto.UsuarioFormaBaixaConta.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TUsuarioFormaBaixaContaDto)
