#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a service's waiting-period rules: the rule's description.
class TCarenciaServicoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TCarenciaServicoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelCarencia;
};
