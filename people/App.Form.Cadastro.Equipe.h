#pragma once

#include "App.Base.Form.Cadastro.h"

class TEdit;
class TFormSubCadastroColaboradorEquipe;
class TLabel;

// "Cadastro de Equipes de Colaboradores": lists, creates, edits and removes the teams. A team
// (its description) is saved as one aggregate with its member history, edited in the member
// sub-form (group "Colaboradores"). Opened from a menu by class name or from the team lookup.
class TFormCadastroEquipe final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroEquipe(QWidget *AParent = nullptr);

    TLabel *LabelDescricao;
    TEdit *EditDescricao;

    // The member sub-form, a child of the window, created in FormCreate.
    TFormSubCadastroColaboradorEquipe *FormColaboradorEquipe = nullptr;

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
