#include "Common.Dto.TransferenciaSaldo.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TTransferenciaSaldoDto)
