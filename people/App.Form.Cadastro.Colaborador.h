#pragma once

#include "App.Base.Form.Cadastro.h"

class TEdit;
class TFormSubCadastroColaboradorEmpresa;
class TFormSubCadastroEquipeColaboradorEmpresa;
class TFormSubCadastroFuncaoColaboradorEmpresa;
class TLabel;

// "Cadastro de Colaboradores": lists, creates, edits and removes the staff members. A staff
// member (a person with a work-booklet number) is saved as one aggregate with the employments
// of the employment sub-form (group "Empresas"), which holds per employment the function and
// salary history and the team history. Opening a staff member reads the employments, then the
// function rows and the team rows of all employments, each tied to its employment.
class TFormCadastroColaborador final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroColaborador(QWidget *AParent = nullptr);

    TLabel *LabelPessoa;
    TEdit *EditPessoa;
    TLabel *LabelCpf;
    TEdit *EditCpf;
    TLabel *LabelDataNascimento;
    TEdit *EditDataNascimento;
    TLabel *LabelCtps;
    TEdit *EditCtps;

    // The employment sub-form, a child of the window, created in FormCreate; the function and
    // team sub-forms are its children.
    TFormSubCadastroColaboradorEmpresa *FormColaboradorEmpresa = nullptr;
    TFormSubCadastroFuncaoColaboradorEmpresa *FormFuncaoColaboradorEmpresa() const;
    TFormSubCadastroEquipeColaboradorEmpresa *FormEquipeColaboradorEmpresa() const;

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
