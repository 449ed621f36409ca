#pragma once

#include "Common.Base.FilterClass.h"

// The search filter of the person list and report. Every property is a filter text: the value,
// "#" and the text shown, empty when not used.
class TPessoaFilterClass final : public TBaseFilterClass
{
    ZUNTA_CLASS(TPessoaFilterClass)

    QString IdMunicipio;
    QString IdPessoa;
    QString IdBairro;
    QString SemIntegracao;
    QString DataNascimentoFinal;
    QString DataNascimentoInicial;
    QString ListaTipoPessoa;
};
BOOST_DESCRIBE_STRUCT(TPessoaFilterClass,
                      (TBaseFilterClass),
                      (IdMunicipio,
                       IdPessoa,
                       IdBairro,
                       SemIntegracao,
                       DataNascimentoFinal,
                       DataNascimentoInicial,
                       ListaTipoPessoa))
