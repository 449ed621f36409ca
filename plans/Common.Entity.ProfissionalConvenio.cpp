#include "Common.Entity.ProfissionalConvenio.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TProfissionalConvenioEntity)
