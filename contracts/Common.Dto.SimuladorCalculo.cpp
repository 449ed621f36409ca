#include "Common.Dto.SimuladorCalculo.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TSimuladorCalculoDto)

void TSimuladorCalculoDto::Clear()
{
    ValorServicosAdicionaisDependentesContrato = 0;
    DescricaoFormaCobranca.clear();
    ValorPlano = 0;
    DescricaoPlano.clear();
    ValorDependentesAdicionais = 0;
    QuantidadeParcelasPlano = 0;
    ValorServicosAdicionaisContrato = 0;
    QuantidadeDependenteContrato = 0;
}

double TSimuladorCalculoDto::ValorTotal() const
{
    return ValorPlano + ValorDependentesAdicionais + ValorServicosAdicionaisContrato
        + ValorServicosAdicionaisDependentesContrato;
}
