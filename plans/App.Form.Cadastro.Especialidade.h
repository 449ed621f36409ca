#pragma once

#include "App.Base.Form.Cadastro.h"

class TEdit;
class TLabel;

// "Cadastro de Especialidades": lists, creates, edits and removes the specialties the
// professionals of an agreement offer. Opened from a menu by class name.
class TFormCadastroEspecialidade final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroEspecialidade(QWidget *AParent = nullptr);

    TLabel *LabelDescricao;
    TEdit *EditDescricao;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
