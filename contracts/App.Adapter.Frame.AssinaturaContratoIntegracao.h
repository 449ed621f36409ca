#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the contract's card subscriptions: the status and the subscription's code at the
// payment API. Removing it warns that the open instalments go with it before the usual question.
class TAssinaturaContratoIntegracaoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TAssinaturaContratoIntegracaoFrameAdapter(QWidget *AOwner = nullptr,
                                                       const QString &name = {});

    TLabel *LabelStatusGeral;
    TLabel *LabelTitleCodigoAssinaturaIntegracao;
    TLabel *LabelCodigoAssinaturaIntegracao;

    // "Não" to the warning removes nothing and asks nothing more.
    void SpeedButtonRemoveClick() override;
};
