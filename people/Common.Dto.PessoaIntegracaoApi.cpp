#include "Common.Dto.PessoaIntegracaoApi.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPessoaIntegracaoApiDto)
