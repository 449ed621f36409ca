#pragma once

#include "App.Base.Form.Cadastro.h"

class TEdit;
class TLabel;

// "Cadastro de Agências": lists, creates, edits and removes the branches of the registered banks.
// Opened from a menu by class name.
class TFormCadastroAgencia final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroAgencia(QWidget *AParent = nullptr);

    TLabel *LabelBanco;
    TEdit *EditBanco;
    TLabel *LabelNome;
    TEdit *EditNome;
    TLabel *LabelNumero;
    TEdit *EditNumero;
    TLabel *LabelDigito;
    TEdit *EditDigito;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
