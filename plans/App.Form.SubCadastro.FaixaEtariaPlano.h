#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TLabel;

// "FormSubCadastroFaixaEtariaPlano": the age bands the plan being edited covers per kinship.
class TFormSubCadastroFaixaEtariaPlano final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroFaixaEtariaPlano(QWidget *AParent = nullptr);

    TLabel *LabelListaParentesco;
    TEdit *EditListaParentesco;
    TLabel *LabelFaixaEtariaInicial;
    TEdit *EditFaixaEtariaInicial;
    TLabel *LabelFaixaEtariaFinal;
    TEdit *EditFaixaEtariaFinal;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
