#include "Common.Dto.LayoutMapfre.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TLayoutMapfreNewDto)
ZUNTA_DEFINE_CLASS(TLayoutMapfrePagDto)
ZUNTA_DEFINE_CLASS(TLayoutMapfreSitDto)
ZUNTA_DEFINE_CLASS(TLayoutMapfreExcelDto)
