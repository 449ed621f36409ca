#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a rule's item list: the kinship, the age in years, the days of waiting and the
// percentage of the contract, each value followed by its unit.
class TItemCarenciaFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TItemCarenciaFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
    TLabel *LabelTitleFaixaEtaria;
    TLabel *LabelFaixaEtaria;
    TLabel *LabelTitleDiasCarencia;
    TLabel *LabelDiasCarencia;
    TLabel *LabelTitlePercentual;
    TLabel *LabelPercentual;

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
