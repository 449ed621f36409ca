#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A beneficiary of a contract member and their share in percent. The end date travels before
// the start date.
class TBeneficiarioDependenteContratoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TBeneficiarioDependenteContratoEntity)

    std::int64_t IdDependenteContrato = 0;
    std::int64_t IdPessoa = 0;
    std::int64_t ListaParentesco = 0;
    std::int64_t ListaMotivo = 0;
    double PercentualParticipacao = 0;
    TDateTime DataFinal;
    TDateTime DataInicial;
};
BOOST_DESCRIBE_STRUCT(TBeneficiarioDependenteContratoEntity,
                      (TBaseEntity),
                      (IdDependenteContrato,
                       IdPessoa,
                       ListaParentesco,
                       ListaMotivo,
                       PercentualParticipacao,
                       DataFinal,
                       DataInicial))
