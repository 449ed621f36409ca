#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// A member-plan link as the link lists show it: which member (and person) a plan of a period
// covers, from when to when, and why it ended.
class TPlanoDependenteContratoDto final : public TBaseDto
{
    ZUNTA_CLASS(TPlanoDependenteContratoDto)

    std::int64_t IdPlanoPeriodoContrato = 0;
    std::int64_t IdDependenteContrato = 0;
    TDateTime DataInicial;
    TDateTime DataFinal;
    std::int64_t IdMotivo = 0;
    QString Motivo;
    QString Dependente;
    QString Plano;
    TDateTime PrimeiroVencimento;
    std::int64_t IdPessoa = 0;
    std::int64_t IdPlano = 0;
};
BOOST_DESCRIBE_STRUCT(TPlanoDependenteContratoDto,
                      (TBaseDto),
                      (IdPlanoPeriodoContrato,
                       IdDependenteContrato,
                       DataInicial,
                       DataFinal,
                       IdMotivo,
                       Motivo,
                       Dependente,
                       Plano,
                       PrimeiroVencimento,
                       IdPessoa,
                       IdPlano))
