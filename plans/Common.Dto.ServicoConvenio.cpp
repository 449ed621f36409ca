#include "Common.Dto.ServicoConvenio.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TServicoConvenioDto)
