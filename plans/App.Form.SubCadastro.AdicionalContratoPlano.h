#pragma once

#include "App.Form.SubCadastro.Base.ServicoPlano.h"

class TDateEdit;
class TEdit;
class TLabel;

// "ADICIONAIS DE CONTRATO": the add-ons a contract of the plan being edited may carry; "Valor do
// Serviço" shows the service's price × the index when a row is opened.
class TFormSubCadastroAdicionalContratoPlano final : public TFormBaseSubCadastroServicoPlano
{
public:
    explicit TFormSubCadastroAdicionalContratoPlano(QWidget *AParent = nullptr);

    TLabel *LabelParcelas;
    TEdit *EditParcelas;
    TLabel *LabelListaCobrancaServico;
    TEdit *EditListaCobrancaServico;
    TLabel *LabelListaTipoCobranca;
    TEdit *EditListaTipoCobranca;
    TLabel *LabelDataFinal;
    TDateEdit *DateEditDataFinal;
    TLabel *LabelListaBaixaAdicional;
    TEdit *EditListaBaixaAdicional;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
