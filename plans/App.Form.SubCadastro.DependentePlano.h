#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TLabel;
class TFormSubCadastroServicoDependentePlano;

// "Dependentes do Plano": the kinships that may join the plan being edited, each with its extra
// services.
class TFormSubCadastroDependentePlano final : public TFormBaseSubCadastro
{
public:
    // AServicos: the extra services' sub-form (not owned).
    explicit TFormSubCadastroDependentePlano(TFormSubCadastroServicoDependentePlano *AServicos,
                                             QWidget *AParent = nullptr);

    TLabel *LabelListaParentesco;
    TEdit *EditListaParentesco;
    TLabel *LabelFaixaEtaria;
    TEdit *EditFaixaEtaria;
    // The extra services of the dependent row open (not owned), registered as this window's own
    // sub-form.
    TFormSubCadastroServicoDependentePlano *const FormServicoDependentePlano;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
    void FormCreate() override;
    void changeListMenuGrupo() override;
    void fillTopText() override;
};
