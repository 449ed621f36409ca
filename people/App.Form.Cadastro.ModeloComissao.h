#pragma once

#include "App.Base.Form.Cadastro.h"

class TEdit;
class TFormSubCadastroComissaoFuncao;
class TLabel;

// "Modelo Comissão": lists, creates, edits and removes commission models. The record tab holds
// the model's description and its functions; each function holds its commission types and each
// type its instalment bands, in nested sub-forms. Opening a model loads the three levels in that
// order; saving posts the model with all of them as one aggregate.
class TFormCadastroModeloComissao final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroModeloComissao(QWidget *AParent = nullptr);

    TLabel *LabelDescricao;
    TEdit *EditDescricao;

    // The functions, a child of the window; the types and instalment bands are their children.
    TFormSubCadastroComissaoFuncao *FormComissaoFuncao = nullptr;

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
