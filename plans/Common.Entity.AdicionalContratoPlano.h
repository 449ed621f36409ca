#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// An add-on a contract of a plan may carry: a service with its index, uses, instalments and
// billing, and, once it ended, the end date and the reason (a row of the system list
// "BAIXA_ADICIONAL").
class TAdicionalContratoPlanoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TAdicionalContratoPlanoEntity)

    std::int64_t IdPlano = 0;
    std::int64_t IdServico = 0;
    double Indice = 0;
    std::int32_t Utilizacao = 0;
    std::int32_t Parcelas = 0;
    std::int64_t ListaTipoUtilizacao = 0;
    std::int64_t ListaCobrancaServico = 0;
    std::int64_t ListaTipoCobranca = 0;
    std::int64_t ListaBaixaAdicional = 0;
    TDateTime DataFinal;
};
BOOST_DESCRIBE_STRUCT(TAdicionalContratoPlanoEntity,
                      (TBaseEntity),
                      (IdPlano,
                       IdServico,
                       Indice,
                       Utilizacao,
                       Parcelas,
                       ListaTipoUtilizacao,
                       ListaCobrancaServico,
                       ListaTipoCobranca,
                       ListaBaixaAdicional,
                       DataFinal))
