#pragma once

#include "Common.Base.Serialize.h"

// The content of a payment-API notification as the back end keeps it in a webhook log of type
// "01": the charge at the API, what was settled and when.
class TWebhookPagamentoEletronico final : public TSerializeObject
{
    ZUNTA_CLASS(TWebhookPagamentoEletronico)

    double Desconto = 0;
    double ValorBaixado = 0;
    QString IdCobrancaEletronica;
    TDateTime DataBaixa;
    double Multa = 0;
    double Juros = 0;
    QString IdClienteCobrancaEletronica;
    double ValorSemTarifa = 0;
    QString IdParcelaCobrancaApi;
    double ValorCobranca = 0;
    TDateTime Vencimento;
};
BOOST_DESCRIBE_STRUCT(TWebhookPagamentoEletronico,
                      (TSerializeObject),
                      (Desconto,
                       ValorBaixado,
                       IdCobrancaEletronica,
                       DataBaixa,
                       Multa,
                       Juros,
                       IdClienteCobrancaEletronica,
                       ValorSemTarifa,
                       IdParcelaCobrancaApi,
                       ValorCobranca,
                       Vencimento))
