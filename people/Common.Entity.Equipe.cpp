#include "Common.Entity.Equipe.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEquipeEntity)
