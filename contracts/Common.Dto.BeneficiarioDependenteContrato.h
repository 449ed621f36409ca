#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// A beneficiary of a contract member as the beneficiary list shows it: the share in percent,
// the kinship to the member and the period, with the end reason.
class TBeneficiarioDependenteContratoDto final : public TBaseDto
{
    ZUNTA_CLASS(TBeneficiarioDependenteContratoDto)

    std::int64_t IdDependenteContrato = 0;
    std::int64_t ListaParentesco = 0;
    std::int64_t ListaMotivo = 0;
    QString Pessoa;
    double PercentualParticipacao = 0;
    TDateTime DataFinal;
    TDateTime DataInicial;
    QString Motivo;
    QString Parentesco;
    std::int64_t IdPessoa = 0;
};
BOOST_DESCRIBE_STRUCT(TBeneficiarioDependenteContratoDto,
                      (TBaseDto),
                      (IdDependenteContrato,
                       ListaParentesco,
                       ListaMotivo,
                       Pessoa,
                       PercentualParticipacao,
                       DataFinal,
                       DataInicial,
                       Motivo,
                       Parentesco,
                       IdPessoa))
