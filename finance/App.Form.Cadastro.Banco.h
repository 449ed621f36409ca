#pragma once

#include "App.Base.Form.Cadastro.h"

class TEdit;
class TLabel;

// "Cadastro de Bancos": lists, creates, edits and removes the banks, each a three-digit code and
// a name. Opened from a menu by class name.
class TFormCadastroBanco final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroBanco(QWidget *AParent = nullptr);

    TLabel *LabelCodigo;
    TEdit *EditCodigo;
    TLabel *LabelNome;
    TEdit *EditNome;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
