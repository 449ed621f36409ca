#include "Common.Dto.WebhookPagamentoEletronico.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TWebhookPagamentoEletronico)
