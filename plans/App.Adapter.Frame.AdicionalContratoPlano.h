#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a plan's contract add-ons: the service, its value, the instalments and whether the
// add-on has ended.
class TAdicionalContratoPlanoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TAdicionalContratoPlanoFrameAdapter(QWidget *AOwner = nullptr,
                                                 const QString &name = {});

    TLabel *LabelServico;
    TLabel *LabelTitleValorServico;
    TLabel *LabelValorServico;
    TLabel *LabelTitleParcelas;
    TLabel *LabelParcelas;
    TLabel *LabelTitleDesativado;
    TLabel *LabelDesativado;

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
