#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One payment-API integration of the list and lookup, with the descriptions of its list rows.
class TIntegracaoApiFinanceiraDto final : public TBaseDto
{
    ZUNTA_CLASS(TIntegracaoApiFinanceiraDto)

    std::int64_t ListaTipoApiFinanceira = 0;
    std::int64_t ListaStatusGeral = 0;
    QString Descricao;
    QString BaseUrl;
    QString Login;
    QString Senha;
    QString Token;
    QString StatusGeral;
    QString TipoApiFinanceira;
    QString TipoValorDesconto;
    double ValorDesconto = 0;
    QString TipoValorMulta;
    QString TipoValorJuros;
    double ValorMulta = 0;
    double ValorJuros = 0;
    QString VersaoApiWebhook;
    QString TokenWebhook;
    QString UrlWebhook;
    QString CodigoApiFinanceira;
    QString Email;
    QString CodigoIntegracaoFinanceira;
};
BOOST_DESCRIBE_STRUCT(TIntegracaoApiFinanceiraDto,
                      (TBaseDto),
                      (ListaTipoApiFinanceira,
                       ListaStatusGeral,
                       Descricao,
                       BaseUrl,
                       Login,
                       Senha,
                       Token,
                       StatusGeral,
                       TipoApiFinanceira,
                       TipoValorDesconto,
                       ValorDesconto,
                       TipoValorMulta,
                       TipoValorJuros,
                       ValorMulta,
                       ValorJuros,
                       VersaoApiWebhook,
                       TokenWebhook,
                       UrlWebhook,
                       CodigoApiFinanceira,
                       Email,
                       CodigoIntegracaoFinanceira))
