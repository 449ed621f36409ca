#include "Common.Entity.Titulo.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TTituloEntity)
