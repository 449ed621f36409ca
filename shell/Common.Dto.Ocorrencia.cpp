#include "Common.Dto.Ocorrencia.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TOcorrenciaDto)
