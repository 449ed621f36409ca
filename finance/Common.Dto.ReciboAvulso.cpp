#include "Common.Dto.ReciboAvulso.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TReciboAvulsoDto)
