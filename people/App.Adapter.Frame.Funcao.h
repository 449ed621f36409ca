#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the function list: the description, with the registration row's edit, remove and
// view buttons.
class TFuncaoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TFuncaoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
};
