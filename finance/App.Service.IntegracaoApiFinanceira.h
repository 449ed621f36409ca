#pragma once

#include "App.Base.Service.h"
#include "Common.Dto.ConfiguracaoPagamentoEletronico.h"

#include <cstdint>
#include <memory>

// The payment-API integrations (/integracao-api-financeira): the base calls serve the records;
// the three actions ask the back end to talk to the payment API, so each waits up to 300000 ms.
// They show their own outcome ("SUCCESS…" for status 200, the problem text otherwise) and may
// run on a worker thread. Only a missing reply, or a configuration reply that is not JSON,
// raises.
class TIntegracaoApiFinanceiraService final : public TBaseService
{
public:
    static constexpr int ApiTimeOut = 300000;

    TIntegracaoApiFinanceiraService();

    // The webhook configuration the API holds; null when the back end refused.
    std::unique_ptr<TConfiguracaoPagamentoEletronico> GetRecuperarConfiguracao(std::int64_t AId);
    // Switches the integration's webhook on or off.
    void PostConfiguracao(std::int64_t AId, bool AAtivar);
    // Switches the API's notifications to the customers on or off, for the active customers
    // only or for all; the reply's text whatever the status.
    QString PostNotificacao(std::int64_t AId, bool AHabilitar, bool ASomenteAtivos);
};
