#include "Common.Entity.ConvenioPlano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TConvenioPlanoEntity)
