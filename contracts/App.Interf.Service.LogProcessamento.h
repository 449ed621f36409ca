#pragma once

#include <QString>

// What the webhook reprocessing asks of the processing-log service (TLogProcessamentoService),
// which belongs to a later subsystem and is created by its class name: the text of the
// reprocessing job's state. The call reaches the back end and may run on a worker thread.
class ILogProcessamentoService
{
public:
    virtual ~ILogProcessamentoService() = default;

    // GET /log-processamento/status-reprocessamento: the reply's text whatever its status.
    virtual QString getMensagemStatusReprocessamento() = 0;
};
