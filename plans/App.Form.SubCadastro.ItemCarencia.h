#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TLabel;

// "Cadastro de Parentescos": the items of a waiting-period rule inside the rule window, one per
// kinship and age, with the days of waiting and the percentage of the contract.
class TFormSubCadastroItemCarencia final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroItemCarencia(QWidget *AParent = nullptr);

    TLabel *LabelListaParentesco;
    TEdit *EditListaParentesco;
    TLabel *LabelFaixaEtaria;
    TEdit *EditFaixaEtaria;
    TLabel *LabelDiasCarencia;
    TEdit *EditDiasCarencia;
    TLabel *LabelPercentual;
    TEdit *EditPercentual;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
