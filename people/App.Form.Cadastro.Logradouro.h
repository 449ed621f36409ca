#pragma once

#include "App.Base.Form.CascataCEP.h"

class TEdit;
class TLabel;

// "Cadastro de Logradouros": lists, creates, edits and removes the streets with their postal
// codes. Leaving the postal code of a new street (or of a stored one without a name) starts the
// postal-code cascade: the public service names the street, and its neighbourhood, city and state
// are found on the back end or registered on the spot, one window after the other, each filled
// from the reply; saving each window fills the one before, up to this one. Opened from a menu,
// or from an address's street edit (findCep).
class TFormCadastroLogradouro final : public TFormBaseCascataCEP
{
public:
    explicit TFormCadastroLogradouro(QWidget *AParent = nullptr);
    ~TFormCadastroLogradouro() override;

    TLabel *LabelCep;
    TEdit *EditCep;
    TLabel *LabelDescricao;
    TEdit *EditDescricao;
    TLabel *LabelBairro;
    TEdit *EditBairro;
    TLabel *LabelMunicipio;
    TEdit *EditMunicipio;
    TLabel *LabelUf;
    TEdit *EditUf;

    // A code that is not empty goes into the postal-code edit and is looked up (buscarCep).
    void findCep(const QString &ACep);
    // The postal-code lookup: the street's name from the public reply, then its neighbourhood,
    // found or registered in the neighbourhood window filled from the reply. A failure of the
    // public service is shown and ends it. Nothing while a record is being read in or the window
    // closes.
    void buscarCep();
    // Leaving the postal code: buscarCep for a new street, or for a stored one without a name.
    void EditCepExit(QObject *Sender);

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;

private:
    // A lookup is running, or the code is being set by findCep: leaving the edit meanwhile
    // starts no second one.
    bool m_buscandoCep = false;
};
