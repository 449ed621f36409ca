#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the service list: description, kind (code and description), whether it is a kit and
// is offered in service orders, and, for a product kept in stock (kind "04"), its stock.
class TServicoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TServicoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
    TLabel *LabelTitleCodigoTipo;
    TLabel *LabelCodigoTipo;
    TLabel *LabelTipo;
    TLabel *LabelTitleIsServicoKit;
    TLabel *LabelIsServicoKit;
    TLabel *LabelTitleIncluirOrdemServico;
    TLabel *LabelIncluirOrdemServico;
    TLabel *LabelTitleEstoque;
    TLabel *LabelEstoque;

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
