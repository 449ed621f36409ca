#pragma once

#include "App.Base.Form.Cadastro.h"

class TEdit;
class TLabel;

// "Cadastro de Funções de Colaboradores": lists, creates, edits and removes the job functions
// of staff members (a description only). Opened from a menu by class name.
class TFormCadastroFuncao final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroFuncao(QWidget *AParent = nullptr);

    TLabel *LabelDescricao;
    TEdit *EditDescricao;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
