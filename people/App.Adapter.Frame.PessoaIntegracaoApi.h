#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of a person's payment-API links: the integration, the customer code there, the start
// date, the end date ("Sem Data" while open) and the reason ("Sem Motivo" without one).
class TPessoaIntegracaoApiFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TPessoaIntegracaoApiFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelIntegracaoApiFinanceira;
    TLabel *LabelTitleCodigoClienteIntegracaoApi;
    TLabel *LabelCodigoClienteIntegracaoApi;
    TLabel *LabelTitleDataInicial;
    TLabel *LabelDataInicial;
    TLabel *LabelTitleDataFinal;
    TLabel *LabelDataFinal;
    TLabel *LabelTitleMotivo;
    TLabel *LabelMotivo;

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
