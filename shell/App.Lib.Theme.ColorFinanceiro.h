#pragma once

#include "AlphaColor.h"

// The colours that mark the status of instalments, registrations and entries in lists.
class TColorFinanceiroApp
{
public:
    TAlphaColor BonificacaoParcela = 0;
    TAlphaColor CadastroEmCarencia = 0;
    TAlphaColor CadastroDesativado = 0;
    TAlphaColor EmAberto = 0;
    TAlphaColor CancelamentoParcela = 0;
    TAlphaColor QuarentaCincoDiasParcelasAbertas = 0;
    TAlphaColor EmAtraso = 0;
    TAlphaColor CadastroSemPendencias = 0;
    TAlphaColor CobrancaEletronica = 0;
    TAlphaColor TipoReceita = 0;
    TAlphaColor TipoDespesa = 0;
    TAlphaColor CadastroQuitado = 0;
    TAlphaColor TitularFalecido = 0;
    TAlphaColor SessentaDiasParcelasAbertas = 0;
    TAlphaColor CadastroSuspenso = 0;
    TAlphaColor RenegociadaParcela = 0;
};
