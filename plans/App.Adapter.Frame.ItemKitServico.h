#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a kit's members: the member, its value in the kit (base value times index), the
// index, the base value, religion and status.
class TItemKitServicoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TItemKitServicoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelServico;
    TLabel *LabelTitleValorServico;
    TLabel *LabelValorServico;
    TLabel *LabelTitleIndice;
    TLabel *LabelIndice;
    TLabel *LabelTitleValorBaseServico;
    TLabel *LabelValorBaseServico;
    TLabel *LabelTitleReligiao;
    TLabel *LabelReligiao;
    TLabel *LabelTitleStatus;
    TLabel *LabelStatus;

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
