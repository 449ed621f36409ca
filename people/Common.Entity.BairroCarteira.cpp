#include "Common.Entity.BairroCarteira.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TBairroCarteiraEntity)
