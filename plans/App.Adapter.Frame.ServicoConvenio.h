#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of an agreement's services: the service and its current value.
class TServicoConvenioFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TServicoConvenioFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelServico;
    TLabel *LabelTitleValorServico;
    TLabel *LabelValorServico;
};
