#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// A stored insurer plan as the back end lists it, with the own plan's name.
class TPlanoSeguradoraDto final : public TBaseDto
{
    ZUNTA_CLASS(TPlanoSeguradoraDto)

    std::int64_t IdSeguradora = 0;
    std::int64_t IdPlano = 0;
    std::int64_t ListaTipoSorteio = 0;
    std::int64_t ListaTipoPlano = 0;
    QString CodigoPlano;
    int CodigoPlanoCapitalizacao = 0;
    double PercentualIof = 0.0;
    QString ApoliceAcidente;
    QString ApoliceDecesso;
    QString Plano;
};
BOOST_DESCRIBE_STRUCT(TPlanoSeguradoraDto,
                      (TBaseDto),
                      (IdSeguradora,
                       IdPlano,
                       ListaTipoSorteio,
                       ListaTipoPlano,
                       CodigoPlano,
                       CodigoPlanoCapitalizacao,
                       PercentualIof,
                       ApoliceAcidente,
                       ApoliceDecesso,
                       Plano))
