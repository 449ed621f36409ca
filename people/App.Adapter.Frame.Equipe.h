#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the team list: the team's description.
class TEquipeFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TEquipeFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
};
