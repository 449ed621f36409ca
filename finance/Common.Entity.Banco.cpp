#include "Common.Entity.Banco.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TBancoEntity)
