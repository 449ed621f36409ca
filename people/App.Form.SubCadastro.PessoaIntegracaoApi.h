#pragma once

#include "App.Base.Form.SubCadastro.h"

class TDateEdit;
class TEdit;
class TLabel;

// "INTEGRAÇÃO FINANCEIRA DO CLIENTE": the links of a person to the payment-API integrations
// inside the person window (and the contract window), saved with the parent's aggregate. The
// customer code comes from the back end and is only shown; a new link starts on the day the
// window was created.
class TFormSubCadastroPessoaIntegracaoApi final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroPessoaIntegracaoApi(QWidget *AParent = nullptr);

    TLabel *LabelIntegracaoApiFinanceira;
    TEdit *EditIntegracaoApiFinanceira;
    TLabel *LabelCodigoClienteIntegracaoApi;
    TEdit *EditCodigoClienteIntegracaoApi;
    TLabel *LabelDataInicial;
    TDateEdit *DateEditDataInicial;
    TLabel *LabelDataFinal;
    TDateEdit *DateEditDataFinal;
    TLabel *LabelMotivo;
    TEdit *EditMotivo;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void fillTopText() override;
    void afterFormCreate() override;

private:
    // The day the window was created, as the start date of every new link.
    const QString m_dataCriacao;
};
