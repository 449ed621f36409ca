#include "Common.Dto.AlterarDataUltimaCobrancaImportacaoContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TAlterarDataUltimaCobrancaImportacaoContratoDto)
