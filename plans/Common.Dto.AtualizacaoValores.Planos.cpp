#include "Common.Dto.AtualizacaoValores.Planos.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPlanosAtualizacaoValoresDto)
