#pragma once

#include "Common.Dto.AtualizacaoValores.h"

// A plan's row of a bulk price update: the instalment value is the base row's value; the plan
// value has a pair of its own, and three flags say what else the back end updates.
class TPlanosAtualizacaoValoresDto final : public TAtualizacaoValoresDto
{
    ZUNTA_CLASS(TPlanosAtualizacaoValoresDto)

    bool AtualizarParcelasVencidas = false;
    bool AtualizarParcelasFuturas = false;
    double ValorPlanoAtual = 0;
    double NovoValorPlano = 0;
    double PercentualValorPlano = 0;
    bool AtualizarVinculacaoAPI = false;
};
BOOST_DESCRIBE_STRUCT(TPlanosAtualizacaoValoresDto,
                      (TAtualizacaoValoresDto),
                      (AtualizarParcelasVencidas,
                       AtualizarParcelasFuturas,
                       ValorPlanoAtual,
                       NovoValorPlano,
                       PercentualValorPlano,
                       AtualizarVinculacaoAPI))
