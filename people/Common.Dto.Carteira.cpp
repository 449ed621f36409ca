#include "Common.Dto.Carteira.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TCarteiraDto)
