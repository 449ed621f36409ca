#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the payment-API integration list: the description and the status, with three buttons
// beside the usual ones for the actions on the integration (switch the webhook, read the API's
// webhook configuration, switch the customer notifications). A button does nothing while its
// procedure is unset.
class TIntegracaoApiFinanceiraFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TIntegracaoApiFinanceiraFrameAdapter(QWidget *AOwner = nullptr,
                                                  const QString &name = {});

    TLabel *LabelDescricao;
    TLabel *LabelTitleListaStatusGeral;
    TLabel *LabelListaStatusGeral;
    TSpeedButton *SpeedButtonAtivarWebhook;
    TSpeedButton *SpeedButtonRecuperarInformacoes;
    TSpeedButton *SpeedButtonNotificacoes;

    TProcFrame ProcAtivarWebhook;
    TProcFrame ProcRecuperarInformacoes;
    TProcFrame ProcNotificacoes;
};
