#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a payment-API integration: which API (a row of "TIPO_API_PE"), its status, address
// and credentials (password and token in the stored-credential encoding), the discount, fine and
// interest of its charges with how each counts, its webhook and e-mail, and its code at the API
// (set by the back end).
class TIntegracaoApiFinanceiraEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TIntegracaoApiFinanceiraEntity)

    std::int64_t ListaTipoApiFinanceira = 0;
    std::int64_t ListaStatusGeral = 0;
    QString Descricao;
    QString BaseUrl;
    QString Login;
    QString Senha;
    QString Token;
    double ValorDesconto = 0;
    double ValorMulta = 0;
    double ValorJuros = 0;
    std::int64_t ListaTipoValorDesconto = 0;
    std::int64_t ListaTipoValorJuros = 0;
    std::int64_t ListaTipoValorMulta = 0;
    QString VersaoApiWebhook;
    QString TokenWebhook;
    QString UrlWebhook;
    QString Email;
    QString CodigoIntegracaoFinanceira;
};
BOOST_DESCRIBE_STRUCT(TIntegracaoApiFinanceiraEntity,
                      (TBaseEntity),
                      (ListaTipoApiFinanceira,
                       ListaStatusGeral,
                       Descricao,
                       BaseUrl,
                       Login,
                       Senha,
                       Token,
                       ValorDesconto,
                       ValorMulta,
                       ValorJuros,
                       ListaTipoValorDesconto,
                       ListaTipoValorJuros,
                       ListaTipoValorMulta,
                       VersaoApiWebhook,
                       TokenWebhook,
                       UrlWebhook,
                       Email,
                       CodigoIntegracaoFinanceira))
