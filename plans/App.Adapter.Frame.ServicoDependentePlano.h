#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a dependent's extra services: the service, its index, uses and usage kind, the price
// captured when the row was saved and the value it gives.
class TServicoDependentePlanoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TServicoDependentePlanoFrameAdapter(QWidget *AOwner = nullptr,
                                                 const QString &name = {});

    TLabel *LabelServico;
    TLabel *LabelTitleIndice;
    TLabel *LabelIndice;
    TLabel *LabelTitleUtilizacao;
    TLabel *LabelUtilizacao;
    TLabel *LabelTitleTipoUtilizacao;
    TLabel *LabelTipoUtilizacao;
    TLabel *LabelTitleValor;
    TLabel *LabelValor;
    TLabel *LabelTitleValorServico;
    TLabel *LabelValorServico;

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
