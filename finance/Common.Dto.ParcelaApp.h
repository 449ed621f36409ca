#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// An instalment as the collectors' mobile app reports its payment, kept in a webhook log of type
// "02".
class TParcelaAppDto final : public TBaseDto
{
    ZUNTA_CLASS(TParcelaAppDto)

    QString PagtoParcial;
    double ValorParcela = 0;
    QString NumParcela;
    double ValorDesconto = 0;
    TDateTime DataVencimento;
    std::int64_t IdParcela = 0;
    TDateTime DataPagamento;
    double ValorJuros = 0;
    double ValorPagar = 0;
    double ValorPago = 0;
    std::int64_t IdTipoPagto = 0;
    std::int64_t IdCliente = 0;
    double Latitude = 0;
    double Longitude = 0;
    std::int32_t NumeroSequencialParcela = 0;
    std::int64_t IdRegiao = 0;
    std::int32_t CodigoCliente = 0;
    QString NumeroDocumentoApp;
    bool ParcelaEstornada = false;
};
BOOST_DESCRIBE_STRUCT(TParcelaAppDto,
                      (TBaseDto),
                      (PagtoParcial,
                       ValorParcela,
                       NumParcela,
                       ValorDesconto,
                       DataVencimento,
                       IdParcela,
                       DataPagamento,
                       ValorJuros,
                       ValorPagar,
                       ValorPago,
                       IdTipoPagto,
                       IdCliente,
                       Latitude,
                       Longitude,
                       NumeroSequencialParcela,
                       IdRegiao,
                       CodigoCliente,
                       NumeroDocumentoApp,
                       ParcelaEstornada))
