#include "Common.ComplexPost.Carteira.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TCarteiraComplexPost)

void TCarteiraComplexPost::AfterClear()
{
    TCarteiraEntity::AfterClear();
    EmptyList(ColaboradorCarteiras);
    EmptyList(RemoveColaboradorCarteiras);
    EmptyList(BairroCarteiras);
    EmptyList(RemoveBairroCarteiras);
}
