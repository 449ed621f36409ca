#include "Common.Dto.ParcelaApp.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TParcelaAppDto)
