#pragma once

#include "App.Base.Form.Cadastro.h"

class TEdit;
class TFormSubCadastroFaixaHorarioComissao;
class TLabel;

// "Cadastro de Comissões e Faixas de Comissões": lists, creates, edits and removes commission
// tables. The record tab holds the table's description and its time bands, each with its
// commission bands; opening a table loads the time bands and then all their bands, and saving
// posts the table with both levels as one aggregate.
class TFormCadastroComissao final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroComissao(QWidget *AParent = nullptr);

    TLabel *LabelDescricao;
    TEdit *EditDescricao;

    // The time bands, a child of the window; their bands are its own child.
    TFormSubCadastroFaixaHorarioComissao *FormFaixaHorarioComissao = nullptr;

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
