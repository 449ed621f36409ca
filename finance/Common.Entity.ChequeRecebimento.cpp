#include "Common.Entity.ChequeRecebimento.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TChequeRecebimentoEntity)
