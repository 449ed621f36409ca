#include "Common.Dto.ListaSistema.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TListaSistemaDto)
