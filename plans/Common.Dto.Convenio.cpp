#include "Common.Dto.Convenio.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TConvenioDto)
