#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a time band's commission bands: the commission type with its quantity, percentage and
// value.
class TFaixaComissaoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TFaixaComissaoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelListaTipoComissao;
    TLabel *LabelTitleQuantidade;
    TLabel *LabelQuantidade;
    TLabel *LabelTitlePercentual;
    TLabel *LabelPercentual;
    TLabel *LabelTitleValor;
    TLabel *LabelValor;
};
