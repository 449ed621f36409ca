#include "Common.Dto.InformacoesObitoContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TInformacoesObitoContratoDto)
