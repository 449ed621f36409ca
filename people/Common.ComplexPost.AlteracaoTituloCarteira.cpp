#include "Common.ComplexPost.AlteracaoTituloCarteira.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TAlteracaoTituloCarteiraComplexPost)
