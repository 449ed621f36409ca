#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the portfolio list: the description, the responsible collector and whether an outside
// collector is active.
class TCarteiraFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TCarteiraFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
    TLabel *LabelTitleColaborador;
    TLabel *LabelColaborador;
    TLabel *LabelTitleIsCobradorExternoAtivo;
    TLabel *LabelIsCobradorExternoAtivo;

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
