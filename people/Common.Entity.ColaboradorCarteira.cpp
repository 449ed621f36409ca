#include "Common.Entity.ColaboradorCarteira.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TColaboradorCarteiraEntity)
