#include "Common.Dto.Endereco.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEnderecoDto)
