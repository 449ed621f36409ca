#include "Common.Entity.ParcelaTitulo.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TParcelaTituloEntity)
