#include "Common.Entity.DependentePlano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TDependentePlanoEntity)
