#include "Common.Dto.ColaboradorEquipe.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TColaboradorEquipeDto)
