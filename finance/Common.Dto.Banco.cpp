#include "Common.Dto.Banco.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TBancoDto)
