#pragma once

#include "Common.Base.Dto.h"

// The back end's price of a contract: the instalment value of the plan, of the additional
// members, of the contract's additional services and of the members' additional services.
class TSimuladorCalculoDto final : public TBaseDto
{
    ZUNTA_CLASS(TSimuladorCalculoDto)

    double ValorServicosAdicionaisDependentesContrato = 0;
    QString DescricaoFormaCobranca;
    double ValorPlano = 0;
    QString DescricaoPlano;
    double ValorDependentesAdicionais = 0;
    int QuantidadeParcelasPlano = 0;
    double ValorServicosAdicionaisContrato = 0;
    int QuantidadeDependenteContrato = 0;

    // The four values and two counts to 0, the two descriptions empty.
    void Clear();
    // The contract's instalment: the plan, then the additional members, the contract's and the
    // members' additional services, added in that order.
    double ValorTotal() const;
};
BOOST_DESCRIBE_STRUCT(TSimuladorCalculoDto,
                      (TBaseDto),
                      (ValorServicosAdicionaisDependentesContrato,
                       DescricaoFormaCobranca,
                       ValorPlano,
                       DescricaoPlano,
                       ValorDependentesAdicionais,
                       QuantidadeParcelasPlano,
                       ValorServicosAdicionaisContrato,
                       QuantidadeDependenteContrato))
