#include "Common.Entity.EmpresaTitulo.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEmpresaTituloEntity)
