#include "Common.Dto.EquipeColaboradorEmpresa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEquipeColaboradorEmpresaDto)
