#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a title's shares per company: the company and its value.
class TEmpresaTituloFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TEmpresaTituloFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelEmpresa;
    TLabel *LabelTitleValor;
    TLabel *LabelValor;
};
