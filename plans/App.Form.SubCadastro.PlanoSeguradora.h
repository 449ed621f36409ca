#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TLabel;

// "Cadastro de Planos da Seguradora": the plans of an insurer inside the insurer window, each
// one of the company's plans with the insurer's codes, IOF percentage and policies.
class TFormSubCadastroPlanoSeguradora final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroPlanoSeguradora(QWidget *AParent = nullptr);

    TLabel *LabelPlano;
    TEdit *EditPlano;
    TLabel *LabelCodigoPlano;
    TEdit *EditCodigoPlano;
    TLabel *LabelCodigoPlanoCapitalizacao;
    TEdit *EditCodigoPlanoCapitalizacao;
    TLabel *LabelPercentualIof;
    TEdit *EditPercentualIof;
    TLabel *LabelApoliceAcidente;
    TEdit *EditApoliceAcidente;
    TLabel *LabelApoliceDecesso;
    TEdit *EditApoliceDecesso;
    TLabel *LabelListaTipoPlano;
    TEdit *EditListaTipoPlano;
    TLabel *LabelListaTipoSorteio;
    TEdit *EditListaTipoSorteio;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
