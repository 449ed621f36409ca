#include "Common.Dto.TipoDocumento.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TTipoDocumentoDto)
