#pragma once

#include "Common.Base.Dto.h"
#include "DateTime.h"

#include <cstdint>

// The rows the back end computes for the insurer's files of one send batch. Every row of a
// batch repeats the batch's header data and the insurer's SFTP access (PasswordFtp encoded).

// A row of the NEW file: one request for draw numbers.
class TLayoutMapfreNewDto final : public TBaseDto
{
    ZUNTA_CLASS(TLayoutMapfreNewDto)

    int CodigoCliente = 0;
    int CodigoPlano = 0;
    TDateTime DataGeracao;
    int Ano = 0;
    int Sequencial = 0;
    int LoteEnvioCliente = 0;
    int QuantidadeNumeroSorte = 0;
    QString ReservadoUsoCliente;
    int OrdemDia = 0;
    QString HostFtp;
    int PortFtp = 0;
    QString LoginFtp;
    QString PasswordFtp;
};
BOOST_DESCRIBE_STRUCT(TLayoutMapfreNewDto,
                      (TBaseDto),
                      (CodigoCliente,
                       CodigoPlano,
                       DataGeracao,
                       Ano,
                       Sequencial,
                       LoteEnvioCliente,
                       QuantidadeNumeroSorte,
                       ReservadoUsoCliente,
                       OrdemDia,
                       HostFtp,
                       PortFtp,
                       LoginFtp,
                       PasswordFtp))

// A row of the PAG file: one draw number with its holder.
class TLayoutMapfrePagDto final : public TBaseDto
{
    ZUNTA_CLASS(TLayoutMapfrePagDto)

    int CodigoCliente = 0;
    int CodigoPlano = 0;
    int CodigoEstipulante = 0;
    TDateTime DataGeracao;
    int Ano = 0;
    int Sequencial = 0;
    TDateTime DataFiliacao;
    int NumeroSerieDistribuicao = 0;
    int NumeroSorte = 0;
    double ValorTitulo = 0.0;
    TDateTime DataVigenciaSorteio;
    QString IdentificacaoCliente;
    int NumeroSequencialRegistro = 0;
    int OrdemDia = 0;
    QString CodigoTipoSorteio;
    QString Cpf;
    QString HostFtp;
    int PortFtp = 0;
    QString LoginFtp;
    QString PasswordFtp;
};
BOOST_DESCRIBE_STRUCT(TLayoutMapfrePagDto,
                      (TBaseDto),
                      (CodigoCliente,
                       CodigoPlano,
                       CodigoEstipulante,
                       DataGeracao,
                       Ano,
                       Sequencial,
                       DataFiliacao,
                       NumeroSerieDistribuicao,
                       NumeroSorte,
                       ValorTitulo,
                       DataVigenciaSorteio,
                       IdentificacaoCliente,
                       NumeroSequencialRegistro,
                       OrdemDia,
                       CodigoTipoSorteio,
                       Cpf,
                       HostFtp,
                       PortFtp,
                       LoginFtp,
                       PasswordFtp))

// A row of the situation kind (rows only; no file is written from them).
class TLayoutMapfreSitDto final : public TBaseDto
{
    ZUNTA_CLASS(TLayoutMapfreSitDto)

    int CodigoCliente = 0;
    int CodigoPlano = 0;
    TDateTime DataGeracao;
    int Ano = 0;
    int Sequencial = 0;
    TDateTime DataFiliacao;
    int NumeroLoteDistribuicao = 0;
    int NumeroSorte = 0;
    int CodigoEstipulante = 0;
    TDateTime DataCancelamentoSorteio;
    int NumeroSequencialRegistro = 0;
    int OrdemDia = 0;
};
BOOST_DESCRIBE_STRUCT(TLayoutMapfreSitDto,
                      (TBaseDto),
                      (CodigoCliente,
                       CodigoPlano,
                       DataGeracao,
                       Ano,
                       Sequencial,
                       DataFiliacao,
                       NumeroLoteDistribuicao,
                       NumeroSorte,
                       CodigoEstipulante,
                       DataCancelamentoSorteio,
                       NumeroSequencialRegistro,
                       OrdemDia))

// A row of the billing workbook.
class TLayoutMapfreExcelDto final : public TBaseDto
{
    ZUNTA_CLASS(TLayoutMapfreExcelDto)

    int CodigoContrato = 0;
    QString Parentesco;
    QString NomeCompletoSegurado;
    TDateTime DataNascimento;
    TDateTime DataFiliacao;
    QString CodigoPlano;
    double ValorMorteAcidental = 0.0;
    double ValorTitulo = 0.0;
    QString Cpf;
    int CodigoCliente = 0;
    QString EnderecoTitular;
    QString StatusPagamento;
    TDateTime DataBaixa;
    QString Nacionalidade;
    QString EstadoCivil;
    QString Sexo;
};
BOOST_DESCRIBE_STRUCT(TLayoutMapfreExcelDto,
                      (TBaseDto),
                      (CodigoContrato,
                       Parentesco,
                       NomeCompletoSegurado,
                       DataNascimento,
                       DataFiliacao,
                       CodigoPlano,
                       ValorMorteAcidental,
                       ValorTitulo,
                       Cpf,
                       CodigoCliente,
                       EnderecoTitular,
                       StatusPagamento,
                       DataBaixa,
                       Nacionalidade,
                       EstadoCivil,
                       Sexo))
