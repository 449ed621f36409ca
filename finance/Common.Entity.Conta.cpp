#include "Common.Entity.Conta.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TContaEntity)
