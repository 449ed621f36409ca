#pragma once

#include "Common.Base.FilterClass.h"

// The filter of the cash movement list and of the list of reversals without finance. Every
// member is a filter text: the value, "#" and the display text.
class TMovimentacaoFinanceiraFilterClass final : public TBaseFilterClass
{
    ZUNTA_CLASS(TMovimentacaoFinanceiraFilterClass)

    QString IdEmpresa;
    QString ListaTipoTitulo;
    QString IdPessoa;
    QString DataFinal;
    QString DataInicial;
    QString IdConta;
    QString ListaTipoPagamento;
    QString IdUsuario;
};
BOOST_DESCRIBE_STRUCT(TMovimentacaoFinanceiraFilterClass,
                      (TBaseFilterClass),
                      (IdEmpresa,
                       ListaTipoTitulo,
                       IdPessoa,
                       DataFinal,
                       DataInicial,
                       IdConta,
                       ListaTipoPagamento,
                       IdUsuario))
