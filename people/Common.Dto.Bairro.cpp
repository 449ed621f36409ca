#include "Common.Dto.Bairro.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TBairroDto)
