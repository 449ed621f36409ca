#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a plan's waiting-period rules: the rule's description.
class TCarenciaPlanoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TCarenciaPlanoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelCarencia;
};
