#pragma once

#include "App.Form.SubCadastro.Base.ServicoPlano.h"

class TEdit;
class TLabel;

// "Serviços Ofertados pelo Plano": the services included in the plan being edited; "Valor do
// Serviço" shows the service's price × the index and typing it sets the index.
class TFormSubCadastroServicoPlano final : public TFormBaseSubCadastroServicoPlano
{
public:
    explicit TFormSubCadastroServicoPlano(QWidget *AParent = nullptr);

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
