#pragma once

#include "App.Base.Form.SubCadastro.h"

class TDateEdit;
class TEdit;
class TFormSubCadastroEquipeColaboradorEmpresa;
class TFormSubCadastroFuncaoColaboradorEmpresa;
class TLabel;

// "Cadastro de Colaboradores na Empresa": the employments of the staff member open in the staff
// window. An employment holds two sub-forms of its own, its function and salary history and its
// team history, whose rows follow the employment that is open.
class TFormSubCadastroColaboradorEmpresa final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroColaboradorEmpresa(QWidget *AParent = nullptr);

    TLabel *LabelEmpresa;
    TEdit *EditEmpresa;
    TLabel *LabelCodigoRegistro;
    TEdit *EditCodigoRegistro;
    TLabel *LabelDataAdmissao;
    TDateEdit *DateEditDataAdmissao;
    TLabel *LabelDataDemissao;
    TDateEdit *DateEditDataDemissao;
    TLabel *LabelMotivo;
    TEdit *EditMotivo;

    // The employment's sub-forms, children of this window, created in FormCreate.
    TFormSubCadastroFuncaoColaboradorEmpresa *FormFuncaoColaboradorEmpresa = nullptr;
    TFormSubCadastroEquipeColaboradorEmpresa *FormEquipeColaboradorEmpresa = nullptr;

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void fillTopText() override;
    void afterFormCreate() override;
    void changeListMenuGrupo() override;
};
