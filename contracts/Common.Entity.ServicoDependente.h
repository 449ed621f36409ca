#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// An additional service of a contract member.
class TServicoDependenteEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TServicoDependenteEntity)

    std::int64_t IdDependenteContrato = 0;
    std::int64_t IdServico = 0;
    TDateTime Data;
    double Indice = 0;
    int Utilizacao = 0;
    int Parcelas = 0;
    TDateTime PrimeiroVencimento;
    std::int64_t ListaTipoUtilizacao = 0;
    std::int64_t ListaCobrancaServico = 0;
    std::int64_t ListaBaixaAdicional = 0;
    TDateTime DataFinal;
};
BOOST_DESCRIBE_STRUCT(TServicoDependenteEntity,
                      (TBaseEntity),
                      (IdDependenteContrato,
                       IdServico,
                       Data,
                       Indice,
                       Utilizacao,
                       Parcelas,
                       PrimeiroVencimento,
                       ListaTipoUtilizacao,
                       ListaCobrancaServico,
                       ListaBaixaAdicional,
                       DataFinal))
