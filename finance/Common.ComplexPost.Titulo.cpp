#include "Common.ComplexPost.Titulo.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TTituloComplexPost)

void TTituloComplexPost::AfterClear()
{
    TTituloEntity::AfterClear();
    EmptyList(EmpresaTitulos);
    EmptyList(RemoveEmpresaTitulos);
    EmptyList(ParcelaTitulos);
    EmptyList(RemoveParcelaTitulos);
    EmptyList(PlanoContasTitulos);
    EmptyList(RemovePlanoContasTitulos);
}
