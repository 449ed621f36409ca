#include "Common.Entity.Logradouro.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TLogradouroEntity)
