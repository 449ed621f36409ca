#include "Common.Dto.Equipe.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEquipeDto)
