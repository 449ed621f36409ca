#include "Common.Dto.Servico.Estoque.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TServicoEstoqueDto)
