#include "Common.Dto.FormPermission.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TFormPermissionDto)
