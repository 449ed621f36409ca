#include "Common.Entity.Carteira.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TCarteiraEntity)
