#include "Common.Dto.ParcelaTitulo.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TParcelaTituloDto)
