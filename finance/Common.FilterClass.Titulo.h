#pragma once

#include "Common.Base.FilterClass.h"

// The filter of the title list and of the financial reports. Every member is a filter text: the
// value, "#" and the display text (booleans "-1" or "0", dates "mm-dd-yyyy"); the back end reads
// them all.
class TTituloFilterClass final : public TBaseFilterClass
{
    ZUNTA_CLASS(TTituloFilterClass)

    QString ListaTipoTitulo;
    QString IdPessoa;
    QString IdEmpresa;
    QString ApenasBaixado;
    QString DataFinal;
    QString DataInicial;
    QString IdConta;
    QString IdMunicipio;
    QString IdBairro;
    QString AgruparPorMunicipio;
    QString AgruparPorBairro;
    QString ApenasEstornadas;
    QString ApenasBonificadas;
    QString ApenasCanceladas;
    QString IdColaborador;
    QString IdCarteira;
    QString ApenasCobrancas;
    QString EmAberto;
    QString Baixadas;
    QString MostrarEstornos;
    QString IdUsuario;
    QString ListaFormaBaixa;
};
BOOST_DESCRIBE_STRUCT(TTituloFilterClass,
                      (TBaseFilterClass),
                      (ListaTipoTitulo,
                       IdPessoa,
                       IdEmpresa,
                       ApenasBaixado,
                       DataFinal,
                       DataInicial,
                       IdConta,
                       IdMunicipio,
                       IdBairro,
                       AgruparPorMunicipio,
                       AgruparPorBairro,
                       ApenasEstornadas,
                       ApenasBonificadas,
                       ApenasCanceladas,
                       IdColaborador,
                       IdCarteira,
                       ApenasCobrancas,
                       EmAberto,
                       Baixadas,
                       MostrarEstornos,
                       IdUsuario,
                       ListaFormaBaixa))
