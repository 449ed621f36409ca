#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// One money entry or exit against an instalment, as the settlement body carries it. Latitude,
// Longitude, Observacao and NumeroDocumentoApp are the app's: this client sends them empty.
class TMovimentacaoFinanceiraEntity : public TBaseEntity
{
    ZUNTA_CLASS(TMovimentacaoFinanceiraEntity)

    std::int64_t IdParcelaTitulo = 0;
    TDateTime Data;
    double Valor = 0;
    double ValorJuros = 0;
    double ValorMulta = 0;
    double ValorDesconto = 0;
    double Latitude = 0;
    double Longitude = 0;
    QString Observacao;
    QString NumeroDocumentoApp;
};
BOOST_DESCRIBE_STRUCT(TMovimentacaoFinanceiraEntity,
                      (TBaseEntity),
                      (IdParcelaTitulo,
                       Data,
                       Valor,
                       ValorJuros,
                       ValorMulta,
                       ValorDesconto,
                       Latitude,
                       Longitude,
                       Observacao,
                       NumeroDocumentoApp))
