#include "Common.Entity.TipoDocumento.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TTipoDocumentoEntity)
