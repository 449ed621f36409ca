#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a plan's allowed dependents: the kinship and the maximum age.
class TDependentePlanoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TDependentePlanoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelParentesco;
    TLabel *LabelTitleFaixaEtaria;
    TLabel *LabelFaixaEtaria;

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
