#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a service's value history: the date the value holds from, and the value.
class TValorServicoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TValorServicoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelData;
    TLabel *LabelTitleValor;
    TLabel *LabelValor;
};
