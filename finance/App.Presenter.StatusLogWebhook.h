#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.StatusLogWebhook.h"
#include "Common.Dto.StatusLogWebhook.h"
#include "Common.Entity.StatusLogWebhook.h"

// The webhook logs: the reprocessing window lists TStatusLogWebhookDto rows through it, cancels
// one log's reprocessing, starts the reprocessing and reads the job's state.
class TStatusLogWebhookPresenter final
    : public TCadastroPresenterOf<TStatusLogWebhookEntity,
                                  TStatusLogWebhookDto,
                                  TStatusLogWebhookService>
{
public:
    TStatusLogWebhookPresenter();

    // The service's cancellation; a refusal raises the reply's text. Any thread.
    void cancelamentoReprocessamento(std::int64_t AId, const QString &AJustificativa);
    // Shows its own outcome and never raises. Any thread.
    void reprocessarParcelas();
    // The reprocessing job's state as the processing-log service (created by its class name)
    // returns it, whatever the status. Raises a warning naming the class when no such service
    // is registered. Any thread.
    static QString getMensagemStatusReprocessamento();
};
