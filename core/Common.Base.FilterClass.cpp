#include "Common.Base.FilterClass.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TBaseFilterClass)
