#include "Common.Dto.AtualizacaoValores.Servicos.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TServicosAtualizacaoValoresDto)
