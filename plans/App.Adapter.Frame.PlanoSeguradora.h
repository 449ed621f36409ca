#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of an insurer's plan list: the own plan's name, the plan's code at the insurer and the
// accident and death policies.
class TPlanoSeguradoraFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TPlanoSeguradoraFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelPlano;
    TLabel *LabelTitleCodigoPlano;
    TLabel *LabelCodigoPlano;
    TLabel *LabelTitleApoliceAcidente;
    TLabel *LabelApoliceAcidente;
    TLabel *LabelTitleApoliceDecesso;
    TLabel *LabelApoliceDecesso;
};
