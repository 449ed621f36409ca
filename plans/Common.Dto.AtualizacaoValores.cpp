#include "Common.Dto.AtualizacaoValores.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TAtualizacaoValoresDto)
