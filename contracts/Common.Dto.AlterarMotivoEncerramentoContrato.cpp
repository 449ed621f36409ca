#include "Common.Dto.AlterarMotivoEncerramentoContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TAlterarMotivoEncerramentoContratoDto)
