#include "Common.Dto.PlanoContasTitulo.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPlanoContasTituloDto)
