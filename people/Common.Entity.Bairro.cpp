#include "Common.Entity.Bairro.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TBairroEntity)
