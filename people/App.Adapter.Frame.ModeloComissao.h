#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the commission-model list: the model's description.
class TModeloComissaoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TModeloComissaoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
};
