#include "Common.Dto.UsuarioConta.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TUsuarioContaDto)
