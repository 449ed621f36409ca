#pragma once

#include "App.Form.SubCadastro.Base.ServicoPlano.h"

class TCheckBox;
class TEdit;
class TLabel;

// "Serviços Dependentes": the extra services of the dependent row open; "Valor do Serviço" shows
// the service's price × the index and typing it sets the index.
class TFormSubCadastroServicoDependentePlano final : public TFormBaseSubCadastroServicoPlano
{
public:
    explicit TFormSubCadastroServicoDependentePlano(QWidget *AParent = nullptr);

    TLabel *LabelListaCobrancaServico;
    TEdit *EditListaCobrancaServico;
    TLabel *LabelListaTipoCobranca;
    TEdit *EditListaTipoCobranca;
    TCheckBox *CheckBoxCalculaFalecido;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
