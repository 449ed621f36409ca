#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TFormSubCadastroTipoComissaoFuncao;
class TLabel;

// "Comissão Função": the staff functions of the commission model being edited, each with its
// commission types in a sub-form of its own.
class TFormSubCadastroComissaoFuncao final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroComissaoFuncao(QWidget *AParent = nullptr);

    TLabel *LabelFuncao;
    TEdit *EditFuncao;

    // The commission types of the open function, a child of this window.
    TFormSubCadastroTipoComissaoFuncao *FormTipoComissaoFuncao = nullptr;

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void changeListMenuGrupo() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void fillTopText() override;
    void afterFormCreate() override;
};
