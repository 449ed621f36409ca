#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the plan list: the description, the instalments, the current prices and whether the plan
// is cancelled.
class TPlanoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TPlanoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
    TLabel *LabelTitleParcelas;
    TLabel *LabelParcelas;
    TLabel *LabelTitleValor;
    TLabel *LabelValor;
    TLabel *LabelTitleValorParcela;
    TLabel *LabelValorParcela;
    TLabel *LabelTitleCancelado;
    TLabel *LabelCancelado;

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
