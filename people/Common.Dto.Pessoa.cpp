#include "Common.Dto.Pessoa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPessoaDto)
