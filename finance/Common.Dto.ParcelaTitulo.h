#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// An instalment of a title as the title window lists it, with the link to its boleto and
// PossuiBaixa 1 once it has at least one settlement. Id is the instalment's id.
class TParcelaTituloDto final : public TBaseDto
{
    ZUNTA_CLASS(TParcelaTituloDto)

    std::int64_t IdTitulo = 0;
    std::int32_t Parcela = 0;
    QString NumeroDocumento;
    TDateTime Vencimento;
    double Valor = 0;
    QString CodigoBarras;
    std::int64_t IdParcelaCobrancaApi = 0;
    QString UrlBoleto;
    std::int32_t PossuiBaixa = 0;
};
BOOST_DESCRIBE_STRUCT(TParcelaTituloDto,
                      (TBaseDto),
                      (IdTitulo,
                       Parcela,
                       NumeroDocumento,
                       Vencimento,
                       Valor,
                       CodigoBarras,
                       IdParcelaCobrancaApi,
                       UrlBoleto,
                       PossuiBaixa))
