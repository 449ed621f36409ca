#include "Common.FilterClass.Plano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPlanoFilterClass)
