#include "Common.Dto.ColaboradorCarteira.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TColaboradorCarteiraDto)
