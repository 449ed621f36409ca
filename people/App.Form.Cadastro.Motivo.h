#pragma once

#include "App.Base.Form.Cadastro.h"

class TEdit;
class TLabel;

// "Cadastro de Motivos no Sistema": lists, creates, edits and removes the reasons, each a
// description and a reason type chosen from the system list "TIPO_MOTIVO". Opened from a menu by
// class name.
class TFormCadastroMotivo final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroMotivo(QWidget *AParent = nullptr);

    TLabel *LabelDescricao;
    TEdit *EditDescricao;
    TLabel *LabelListaTipoMotivo;
    TEdit *EditListaTipoMotivo;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
