#include "Common.Dto.MenuSistema.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TMenuSistemaDto)
