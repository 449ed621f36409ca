#include "Common.Base.Dto.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TBaseDto)
