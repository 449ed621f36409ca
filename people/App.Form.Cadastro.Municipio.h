#pragma once

#include "App.Base.Form.CascataCEP.h"

class TEdit;
class TLabel;

// "Cadastro de Municípios": lists, creates, edits and removes the cities (name, state, IBGE code
// and telephone area code). Opened from a menu, or from a neighbourhood window's city edit, which
// the postal-code cascade fills from the public reply (findUnidadeFederativa): a state the back
// end does not know opens the state window in turn.
class TFormCadastroMunicipio final : public TFormBaseCascataCEP
{
public:
    explicit TFormCadastroMunicipio(QWidget *AParent = nullptr);

    TLabel *LabelNome;
    TEdit *EditNome;
    TLabel *LabelUnidadeFederativa;
    TEdit *EditUnidadeFederativa;
    TLabel *LabelCodigoIbge;
    TEdit *EditCodigoIbge;
    TLabel *LabelDdd;
    TEdit *EditDdd;

    // Name, IBGE code and area code from the reply, then the state of its abbreviation: found,
    // or registered in the state window filled with the abbreviation. Nothing while a record is
    // being read in.
    void findUnidadeFederativa(const TCEP &ACep);

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
