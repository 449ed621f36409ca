#include "Common.Entity.Endereco.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TEnderecoEntity)
