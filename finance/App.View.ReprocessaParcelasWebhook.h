#pragma once

#include "App.Base.Form.MetodoCadastro.h"

class TSpeedButton;
class TStatusLogWebhookPresenter;

// "REPROCESSAMENTO WEBHOOK": lists the webhook logs page by page once the user searches, shows a
// log's suggested solution, cancels one log's reprocessing with a mandatory reason, starts the
// reprocessing of the notified instalments (SpeedButtonNovo) and shows the job's state. Only the
// list side of a registration window: no record is ever opened. Opened from a menu by class
// name.
class TFormViewReprocessaParcelasWebhook final : public TFormBaseMetodoCadastro
{
public:
    explicit TFormViewReprocessaParcelasWebhook(QWidget *AParent = nullptr);

    TSpeedButton *SpeedButtonStatusReprocessamento;

    void VisualizarPossivelSolucao(TFrameBaseAdapter *AFrame);
    void ExclusaoFrame(TFrameBaseAdapter *AFrame);
    void StatusReprocessamento();

    void ApplyThemeApp() override;
    void SetFocusedPrincipalComponent() override;

protected:
    void SetInfoPresenter() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
    void fillPaginate() override;
    void reloadDados() override;
    // The reprocessing.
    void executeNovo(QObject *Sender) override;
    // No record is opened here.
    void executeEditar(QObject *) override { }
    void executeRemover(QObject *) override { }
    void executeVisualizar(QObject *) override { }
    void fillCadastroOfBuscarRegistro(bool, QObject *) override { }
};
