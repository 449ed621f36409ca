#include "Common.Entity.ReciboAvulso.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TReciboAvulsoEntity)
