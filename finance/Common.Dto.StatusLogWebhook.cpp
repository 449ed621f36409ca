#include "Common.Dto.StatusLogWebhook.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TStatusLogWebhookDto)
