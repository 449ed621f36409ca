#include "Common.Dto.Logradouro.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TLogradouroDto)
