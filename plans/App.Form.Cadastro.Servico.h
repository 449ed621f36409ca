#pragma once

#include "App.Base.Form.Cadastro.h"

class TCheckBox;
class TEdit;
class TLabel;
class TFormSubCadastroCarenciaServico;
class TFormSubCadastroItemKitServico;
class TFormSubCadastroServicoEstoque;
class TFormSubCadastroValorServico;

// "Cadastro de Serviços e Produtos": lists, creates, edits and removes services. The record tab
// holds the service's own fields and four sub-forms: its values, its kit members, its
// waiting-period rules and its stock per company (only shown). Opening a service loads the four
// child lists in that order; saving posts the service with its children as one aggregate.
class TFormCadastroServico final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroServico(QWidget *AParent = nullptr);

    TLabel *LabelDescricao;
    TEdit *EditDescricao;
    TLabel *LabelListaServico;
    TEdit *EditListaServico;
    TLabel *LabelBaseUtilizacao;
    TEdit *EditBaseUtilizacao;
    TLabel *LabelListaTipoUtilizacao;
    TEdit *EditListaTipoUtilizacao;
    TCheckBox *CheckBoxIncluirOrdemServico;
    TCheckBox *CheckBoxIsUsoTelemedicina;

    // The sub-forms, children of the window.
    TFormSubCadastroValorServico *FormValorServico = nullptr;
    TFormSubCadastroCarenciaServico *FormCarenciaServico = nullptr;
    TFormSubCadastroItemKitServico *FormItemKitServico = nullptr;
    TFormSubCadastroServicoEstoque *FormServicoEstoque = nullptr;

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void changeListMenuGrupo() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
    void fillTopText() override;
    void afterClearForm() override;
};
