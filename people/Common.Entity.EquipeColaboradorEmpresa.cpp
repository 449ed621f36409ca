#include "Common.Entity.EquipeColaboradorEmpresa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEquipeColaboradorEmpresaEntity)
