#pragma once

#include "App.Base.Form.Cadastro.h"

class TEdit;
class TFormSubCadastroBairroCarteira;
class TFormSubCadastroColaboradorCarteira;
class TLabel;

// "Cadastro de Carteiras": lists, creates, edits and removes the collection portfolios. A
// portfolio (its description and forecast) is saved as one aggregate with its collector history
// (group "Colaborador") and its neighbourhood history (group "Bairros"), each edited in its
// sub-form. Opened from a menu by class name or from the portfolio lookup.
class TFormCadastroCarteira final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroCarteira(QWidget *AParent = nullptr);

    TLabel *LabelDescricao;
    TEdit *EditDescricao;
    TLabel *LabelPrevisaoCalculoFinanceiro;
    TEdit *EditPrevisaoCalculoFinanceiro;

    // The sub-forms, children of the window, created in FormCreate.
    TFormSubCadastroBairroCarteira *FormBairroCarteira = nullptr;
    TFormSubCadastroColaboradorCarteira *FormColaboradorCarteira = nullptr;

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void fillTopText() override;
    void afterFormCreate() override;
    void changeListMenuGrupo() override;
    void afterClearForm() override;
};
