#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the specialty list: the description, with the registration row's buttons.
class TEspecialidadeFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TEspecialidadeFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
};
