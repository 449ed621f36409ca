#include "Common.Entity.EspecialidadeProfissionalConvenio.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEspecialidadeProfissionalConvenioEntity)
