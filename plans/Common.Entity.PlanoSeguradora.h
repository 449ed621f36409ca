#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// An insurer plan: one of the company's plans with the insurer's product codes and policies.
// ListaTipoSorteio and ListaTipoPlano are rows of the system lists "TIPO_SORTEIO" and
// "TIPO_PLANO".
class TPlanoSeguradoraEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TPlanoSeguradoraEntity)

    std::int64_t IdSeguradora = 0;
    std::int64_t IdPlano = 0;
    std::int64_t ListaTipoSorteio = 0;
    std::int64_t ListaTipoPlano = 0;
    QString CodigoPlano;
    int CodigoPlanoCapitalizacao = 0;
    double PercentualIof = 0.0;
    QString ApoliceAcidente;
    QString ApoliceDecesso;
};
BOOST_DESCRIBE_STRUCT(TPlanoSeguradoraEntity,
                      (TBaseEntity),
                      (IdSeguradora,
                       IdPlano,
                       ListaTipoSorteio,
                       ListaTipoPlano,
                       CodigoPlano,
                       CodigoPlanoCapitalizacao,
                       PercentualIof,
                       ApoliceAcidente,
                       ApoliceDecesso))
