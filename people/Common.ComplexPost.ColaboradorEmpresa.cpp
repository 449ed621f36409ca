#include "Common.ComplexPost.ColaboradorEmpresa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TColaboradorEmpresaComplexPost)

void TColaboradorEmpresaComplexPost::AfterClear()
{
    TColaboradorEmpresaEntity::AfterClear();
    EmptyList(FuncaoColaboradorEmpresas);
    EmptyList(RemoveFuncaoColaboradorEmpresas);
    EmptyList(EquipeColaboradorEmpresas);
    EmptyList(RemoveEquipeColaboradorEmpresas);
}
