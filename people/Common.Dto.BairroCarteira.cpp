#include "Common.Dto.BairroCarteira.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TBairroCarteiraDto)
