#include "Common.Entity.Ocorrencia.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TOcorrenciaEntity)
