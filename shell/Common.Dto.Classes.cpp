#include "Common.Dto.Classes.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TClassesDto)
