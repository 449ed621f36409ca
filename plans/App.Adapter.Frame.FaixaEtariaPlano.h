#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a plan's covered age bands: the kinship and the band in years.
class TFaixaEtariaPlanoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TFaixaEtariaPlanoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelParentesco;
    TLabel *LabelTitleFaixaEtariaInicial;
    TLabel *LabelFaixaEtariaInicial;
    TLabel *LabelTitleFaixaEtariaFinal;
    TLabel *LabelFaixaEtariaFinal;

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
