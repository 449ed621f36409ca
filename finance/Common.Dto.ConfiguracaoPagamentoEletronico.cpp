#include "Common.Dto.ConfiguracaoPagamentoEletronico.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TConfiguracaoPagamentoEletronico)
