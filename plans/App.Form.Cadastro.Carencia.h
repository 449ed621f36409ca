#pragma once

#include "App.Base.Form.Cadastro.h"

class TEdit;
class TFormSubCadastroItemCarencia;
class TLabel;

// "Cadastro de Carências": lists, creates, edits and removes the waiting-period rules. A rule
// (description and type) is saved as one aggregate with its items, edited in the embedded item
// window (group "Parentescos"). Opened from a menu by class name or from the rule lookup.
class TFormCadastroCarencia final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroCarencia(QWidget *AParent = nullptr);

    TLabel *LabelDescricao;
    TEdit *EditDescricao;
    TLabel *LabelListaCarencia;
    TEdit *EditListaCarencia;

    TFormSubCadastroItemCarencia *FormSubCadastroItemCarencia() const { return m_itemCarencia; }

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void fillTopText() override;
    void afterFormCreate() override;
    void changeListMenuGrupo() override;
    void afterClearForm() override;

private:
    // A child of this window, created in FormCreate.
    TFormSubCadastroItemCarencia *m_itemCarencia = nullptr;
};
