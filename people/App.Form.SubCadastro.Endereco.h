#pragma once

#include "App.Base.Form.SubCadastro.h"

class TCheckBox;
class TEdit;
class TLabel;

// "Endereços": the addresses of a person inside the person window (and the contract window),
// saved with the parent's aggregate. The street is found by its postal code, or registered on
// the spot in the street window when the back end does not know the code; the street brings its
// neighbourhood, city and state. One address of the list at most is the billing address, and the
// first address of an empty list starts as the billing one.
class TFormSubCadastroEndereco final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroEndereco(QWidget *AParent = nullptr);
    ~TFormSubCadastroEndereco() override;

    TLabel *LabelCep;
    TEdit *EditCep;
    TLabel *LabelLogradouro;
    TEdit *EditLogradouro;
    TLabel *LabelBairro;
    TEdit *EditBairro;
    TLabel *LabelMunicipio;
    TEdit *EditMunicipio;
    TLabel *LabelUF;
    TEdit *EditUF;
    TLabel *LabelNumero;
    TEdit *EditNumero;
    TLabel *LabelComplemento;
    TEdit *EditComplemento;
    TLabel *LabelListaEndereco;
    TEdit *EditListaEndereco;
    TLabel *LabelLatitude;
    TEdit *EditLatitude;
    TLabel *LabelLongitude;
    TEdit *EditLongitude;
    TCheckBox *CheckBoxIsCobranca;
    TLabel *LabelPontoReferencia;
    TEdit *EditPontoReferencia;

    // Set by the contract window; it changes nothing of the billing default.
    void SetPrimeiroRegistroContrato(bool AValue) { m_primeiroRegistroContrato = AValue; }

    // The postal code is shown as "##.###-###" while it is typed.
    void EditCepTyping(QObject *Sender);
    // Leaving a postal code while no street is chosen looks the street up (buscarCEP).
    void EditCepExit(QObject *Sender);
    // The street of the postal code becomes the street edit's value; a code the back end does
    // not know opens the street window with the code, its public lookup already run. Nothing
    // while a record is being copied into the window.
    void buscarCEP();

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
    void executeNovo(QObject *Sender) override;
    void beforeSave() override;
    void afterClearForm() override;

private:
    bool m_primeiroRegistroContrato = false;
    // Set while a postal code is looked up: opening the street window takes the focus from the
    // code's edit, and that exit must not start a second lookup that reopens the street window
    // as a blank record under the first one's hands.
    bool m_buscandoCEP = false;
};
