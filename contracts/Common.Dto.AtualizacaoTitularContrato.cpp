#include "Common.Dto.AtualizacaoTitularContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TAtualizacaoTitularContratoDto)
