#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// One instalment of a title: its number (1 for the first), due date and value, and the bar code
// and payment-API charge the back end gives its boleto.
class TParcelaTituloEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TParcelaTituloEntity)

    std::int64_t IdTitulo = 0;
    std::int32_t Parcela = 0;
    QString NumeroDocumento;
    TDateTime Vencimento;
    double Valor = 0;
    QString CodigoBarras;
    std::int64_t IdParcelaCobrancaApi = 0;
};
BOOST_DESCRIBE_STRUCT(
    TParcelaTituloEntity,
    (TBaseEntity),
    (IdTitulo, Parcela, NumeroDocumento, Vencimento, Valor, CodigoBarras, IdParcelaCobrancaApi))
