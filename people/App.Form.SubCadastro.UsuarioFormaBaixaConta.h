#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TLabel;

// "FORMAS DE BAIXA": the settlement methods a user may use, each with the account it settles
// into, inside the user window. Its rows stay in its table until the user is saved.
class TFormSubCadastroUsuarioFormaBaixaConta final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroUsuarioFormaBaixaConta(QWidget *AParent = nullptr);

    TLabel *LabelListaFormaPagamento;
    TEdit *EditListaFormaPagamento;
    TLabel *LabelConta;
    TEdit *EditConta;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
