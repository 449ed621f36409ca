#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a commission model's functions: the function's description.
class TComissaoFuncaoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TComissaoFuncaoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
};
