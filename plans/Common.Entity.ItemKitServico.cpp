#include "Common.Entity.ItemKitServico.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TItemKitServicoEntity)
