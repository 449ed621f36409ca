#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a title's shares per chart-of-accounts entry: the entry and its value.
class TPlanoContasTituloFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TPlanoContasTituloFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelPlanoContas;
    TLabel *LabelTitleValor;
    TLabel *LabelValor;
};
