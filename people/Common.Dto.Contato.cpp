#include "Common.Dto.Contato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TContatoDto)
