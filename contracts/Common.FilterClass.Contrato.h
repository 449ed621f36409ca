#pragma once

#include "Common.Base.FilterClass.h"

#include <cstdint>
#include <memory>

// The last criteria of the contract filter, all of them the report window's (transfers, grouping
// and order, payment periods, collector, paid instalment, period). A class describes at most 52
// members, so they live in this base of TContratoFilterClass; a base's members are written after
// the class's own, which keeps the members on the wire in the filter's order.
class TContratoFilterClassRelatorio : public TBaseFilterClass
{
    ZUNTA_CLASS(TContratoFilterClassRelatorio)

    QString DataFinalTransferencia;
    QString DataInicialTransferencia;
    QString IdPessoaEmpresaTransferencia;
    QString AgruparPorPlano;
    QString OrdenarPorNumeroContrato;
    QString PeriodoPagamentoFinal;
    QString PeriodoPagamentoInicial;
    QString IdCobrador;
    QString OrdemParcelaPaga;
    QString PeriodoFinal;
    QString PeriodoInicial;
};
BOOST_DESCRIBE_STRUCT(TContratoFilterClassRelatorio,
                      (TBaseFilterClass),
                      (DataFinalTransferencia,
                       DataInicialTransferencia,
                       IdPessoaEmpresaTransferencia,
                       AgruparPorPlano,
                       OrdenarPorNumeroContrato,
                       PeriodoPagamentoFinal,
                       PeriodoPagamentoInicial,
                       IdCobrador,
                       OrdemParcelaPaga,
                       PeriodoFinal,
                       PeriodoInicial))

// The filter of contract searches and contract reports. Every member but ListaDependenteContratos
// is a filter text (value, "#" and the shown text; empty when not filled); the back end reads the
// criteria.
class TContratoFilterClass final : public TContratoFilterClassRelatorio
{
    ZUNTA_CLASS(TContratoFilterClass)

    QString IdColaborador;
    QString IdMunicipio;
    QString DiaVencimentoFinal;
    QString DiaVencimentoInicial;
    QString DataContratoFinal;
    QString DataContratoInicial;
    QString DataFiliacaoFinal;
    QString DataFiliacaoInicial;
    QString IdBairro;
    QString IdPlano;
    QString IdCarteira;
    QString ListaFormaRecebimento;
    QString TipoCadastroIncompleto;
    QString IdContrato;
    QString ListaBaixaContrato;
    QString ApenasAtivos;
    QString IgnorarIdadeMenor1Ano;
    QString ApenasTitularContrato;
    QString ApenasObservacaoAviso;
    QString ApenasContratosAtivos;
    QString IdMotivo;
    QString ApenasPagamentoDia;
    QString IdSeguradora;
    QString NaoSegurados;
    QString PeriodoDataContratoFinal;
    QString PeriodoDataContratoInicial;
    QString PeriodoBaixaContratoFinal;
    QString PeriodoBaixaContratoInicial;
    QString IdadeCompletaAteData;
    QString IdadeFinal;
    QString IdadeInicial;
    QString IdSexo;
    QString IdBairroCarteira;
    QString PeriodoDataCadastroFinal;
    QString PeriodoDataCadastroInicial;
    QString MostrarFinanceiro;
    QString IdEmpresa;
    QString ContratosComServicosAdicionais;
    QString PesquisarPorDependentes;
    QString IdDependenteContrato;
    QString IncluirFalecidosNaPesquisa;
    QString IdVendedor;
    QString IncluirTextoCarencia;
    QString ApenasTitularesFalecidos;
    QString DataFinalServico;
    QString DataInicialServico;
    QString ListaTipoServico;
    QString IdServico;
    std::unique_ptr<TListInt64> ListaDependenteContratos = std::make_unique<TListInt64>();
    QString ContratosComApenasUmPagamento;
    QString ContratosSemPagamentos;
    QString ListaCarencia;

    // "<id>#<id>": how code fills IdContrato and IdDependenteContrato for one record.
    static QString FilterTextOfId(std::int64_t AId);
};
BOOST_DESCRIBE_STRUCT(TContratoFilterClass,
                      (TContratoFilterClassRelatorio),
                      (IdColaborador,
                       IdMunicipio,
                       DiaVencimentoFinal,
                       DiaVencimentoInicial,
                       DataContratoFinal,
                       DataContratoInicial,
                       DataFiliacaoFinal,
                       DataFiliacaoInicial,
                       IdBairro,
                       IdPlano,
                       IdCarteira,
                       ListaFormaRecebimento,
                       TipoCadastroIncompleto,
                       IdContrato,
                       ListaBaixaContrato,
                       ApenasAtivos,
                       IgnorarIdadeMenor1Ano,
                       ApenasTitularContrato,
                       ApenasObservacaoAviso,
                       ApenasContratosAtivos,
                       IdMotivo,
                       ApenasPagamentoDia,
                       IdSeguradora,
                       NaoSegurados,
                       PeriodoDataContratoFinal,
                       PeriodoDataContratoInicial,
                       PeriodoBaixaContratoFinal,
                       PeriodoBaixaContratoInicial,
                       IdadeCompletaAteData,
                       IdadeFinal,
                       IdadeInicial,
                       IdSexo,
                       IdBairroCarteira,
                       PeriodoDataCadastroFinal,
                       PeriodoDataCadastroInicial,
                       MostrarFinanceiro,
                       IdEmpresa,
                       ContratosComServicosAdicionais,
                       PesquisarPorDependentes,
                       IdDependenteContrato,
                       IncluirFalecidosNaPesquisa,
                       IdVendedor,
                       IncluirTextoCarencia,
                       ApenasTitularesFalecidos,
                       DataFinalServico,
                       DataInicialServico,
                       ListaTipoServico,
                       IdServico,
                       ListaDependenteContratos,
                       ContratosComApenasUmPagamento,
                       ContratosSemPagamentos,
                       ListaCarencia))
