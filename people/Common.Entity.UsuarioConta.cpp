#include "Common.Entity.UsuarioConta.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TUsuarioContaEntity)
