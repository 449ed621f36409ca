#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a plan's included services: the service, its index, uses and usage kind, the price
// captured when the row was saved and the value it gives.
class TServicoPlanoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TServicoPlanoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
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
