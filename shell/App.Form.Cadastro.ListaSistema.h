#pragma once

#include "App.Base.Form.Cadastro.h"

class TCheckBox;
class TEdit;
class TLabel;

// "Cadastro de Listas do Sistema": lists, creates, edits and removes the items of the back end's
// code tables (code, description and the list type they belong to). Everything but its presenter,
// its controls and its row is the main registration window's; the rule that only one item of a
// list may be general is the back end's, the window only states it in the check box's text.
// Opened from a menu by class name.
class TFormCadastroListaSistema final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroListaSistema(QWidget *AParent = nullptr);

    TLabel *LabelCodigo;
    TEdit *EditCodigo;
    TLabel *LabelDescricao;
    TEdit *EditDescricao;
    TLabel *LabelTipo;
    TEdit *EditTipo;
    TCheckBox *CheckBoxIsGeral;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
