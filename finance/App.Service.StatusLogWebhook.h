#pragma once

#include "App.Base.Service.h"

#include <cstdint>

// The webhook logs (/status-log-webhook). Every call, the list pages included, waits up to ten
// hours: the back end may be reprocessing many notifications.
class TStatusLogWebhookService final : public TBaseService
{
public:
    static constexpr int LogTimeOut = 36000000;

    TStatusLogWebhookService();

    // POST …/cancelamento with a TStatusLogWebhookEntity holding only the id and the reason.
    // Any status but 200 raises the reply's text.
    void cancelamentoReprocessamento(std::int64_t AId, const QString &AJustificativa);
    // POST …/reprocessa-webhook without a body. Shows its own outcome ("SUCCESS…", the reply's
    // text, or the unreachable-server text) and never raises. Any thread.
    void reprocessarParcelas();

protected:
    void BeforeRequest() override;
};
