#pragma once

#include "App.Base.Form.SubCadastro.h"

class TCheckBox;
class TEdit;
class TLabel;

// "Contatos": the phones, e-mail addresses and links of a person inside the person window (and
// the contract window), saved with the parent's aggregate. A phone is kept as digits only. One
// contact of the list at most is the billing contact, and the first contact of an empty list
// starts as the billing one.
class TFormSubCadastroContato final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroContato(QWidget *AParent = nullptr);

    TLabel *LabelListaTipoContato;
    TEdit *EditListaTipoContato;
    TLabel *LabelTelefone;
    TEdit *EditTelefone;
    TCheckBox *CheckBoxIsMensageiro;
    TLabel *LabelInternet;
    TEdit *EditInternet;
    TLabel *LabelDescricao;
    TEdit *EditDescricao;
    TCheckBox *CheckBoxIsCobranca;

    // Set by the contract window; it changes nothing of the billing default.
    void SetPrimeiroRegistroContrato(bool AValue) { m_primeiroRegistroContrato = AValue; }

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
    void executeNovo(QObject *Sender) override;
    void beforeSave() override;

private:
    bool m_primeiroRegistroContrato = false;
};
