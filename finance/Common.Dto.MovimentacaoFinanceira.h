#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One cash movement of the list: the title and instalment it belongs to, what was moved, and
// the accounts of a balance transfer. CodigoTipoTitulo is "R" for a receivable, "D" for a
// payable.
class TMovimentacaoFinanceiraDto final : public TBaseDto
{
    ZUNTA_CLASS(TMovimentacaoFinanceiraDto)

    QString SiglaTipoDocumento;
    TDateTime DataTitulo;
    double ValorParcela = 0;
    double ValorTitulo = 0;
    double ValorDesconto = 0;
    TDateTime Vencimento;
    double ValorBaixa = 0;
    QString Favorecido;
    double ValorMulta = 0;
    double ValorJuros = 0;
    TDateTime Data;
    QString NumeroDocumento;
    std::int64_t ListaTipoTitulo = 0;
    QString DescricaoTipoTitulo;
    QString CodigoTipoTitulo;
    QString DescricaoTitulo;
    std::int32_t QuantidadeParcelas = 0;
    double Latitude = 0;
    double Longitude = 0;
    QString Observacao;
    bool IsTransferenciaSaldo = false;
    TDateTime DataCadastro;
    std::int32_t NumeroContrato = 0;
    QString ContaSaida;
    QString ContaEntrada;
    QString Empresa;
    QString FormaPagamento;
    QString NumeroDocumentoApp;
    std::int32_t NumeroSequencialParcela = 0;
    QString Usuario;
};
BOOST_DESCRIBE_STRUCT(TMovimentacaoFinanceiraDto,
                      (TBaseDto),
                      (SiglaTipoDocumento,
                       DataTitulo,
                       ValorParcela,
                       ValorTitulo,
                       ValorDesconto,
                       Vencimento,
                       ValorBaixa,
                       Favorecido,
                       ValorMulta,
                       ValorJuros,
                       Data,
                       NumeroDocumento,
                       ListaTipoTitulo,
                       DescricaoTipoTitulo,
                       CodigoTipoTitulo,
                       DescricaoTitulo,
                       QuantidadeParcelas,
                       Latitude,
                       Longitude,
                       Observacao,
                       IsTransferenciaSaldo,
                       DataCadastro,
                       NumeroContrato,
                       ContaSaida,
                       ContaEntrada,
                       Empresa,
                       FormaPagamento,
                       NumeroDocumentoApp,
                       NumeroSequencialParcela,
                       Usuario))
