#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// An additional service of the contract itself; IdAdicionalContratoPlano is the plan add-on it
// came from.
class TServicoContratoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TServicoContratoEntity)

    std::int64_t IdContrato = 0;
    std::int64_t IdServico = 0;
    TDateTime Data;
    double Indice = 0;
    int Utilizacao = 0;
    int Parcelas = 0;
    TDateTime PrimeiroVencimento;
    std::int64_t ListaTipoUtilizacao = 0;
    std::int64_t ListaTipoCobranca = 0;
    std::int64_t ListaCobrancaServico = 0;
    bool IsServicoBonificado = false;
    std::int64_t IdAdicionalContratoPlano = 0;
    std::int64_t ListaBaixaAdicional = 0;
    TDateTime DataFinal;
};
BOOST_DESCRIBE_STRUCT(TServicoContratoEntity,
                      (TBaseEntity),
                      (IdContrato,
                       IdServico,
                       Data,
                       Indice,
                       Utilizacao,
                       Parcelas,
                       PrimeiroVencimento,
                       ListaTipoUtilizacao,
                       ListaTipoCobranca,
                       ListaCobrancaServico,
                       IsServicoBonificado,
                       IdAdicionalContratoPlano,
                       ListaBaixaAdicional,
                       DataFinal))
