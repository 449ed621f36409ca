#include "Common.Entity.ChequePagamento.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TChequePagamentoEntity)
