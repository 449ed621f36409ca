#include "Common.Entity.Convenio.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TConvenioEntity)
