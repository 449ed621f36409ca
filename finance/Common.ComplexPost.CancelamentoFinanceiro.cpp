#include "Common.ComplexPost.CancelamentoFinanceiro.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TCancelamentoFinanceiroComplexPost)

void TCancelamentoFinanceiroComplexPost::AfterClear()
{
    TCancelamentoFinanceiroEntity::AfterClear();
    EmptyList(Contratos);
    EmptyList(Carteiras);
    EmptyList(PeriodoCompetencia);
    EmptyList(ParcelaTitulos);
    EmptyList(Titulos);
}
