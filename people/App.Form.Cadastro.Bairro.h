#pragma once

#include "App.Base.Form.CascataCEP.h"

class TEdit;
class TLabel;

// "Cadastro de Bairros": lists, creates, edits and removes the neighbourhoods of the cities.
// Opened from a menu, or from a street window's neighbourhood edit, which the postal-code cascade
// fills from the public reply (findMunicipio): a city the back end does not know opens the city
// window in turn.
class TFormCadastroBairro final : public TFormBaseCascataCEP
{
public:
    explicit TFormCadastroBairro(QWidget *AParent = nullptr);

    TLabel *LabelDescricao;
    TEdit *EditDescricao;
    TLabel *LabelMunicipio;
    TEdit *EditMunicipio;
    TLabel *LabelUf;
    TEdit *EditUf;

    // The neighbourhood's name from the reply, then its city: found, or registered in the city
    // window filled from the reply. Nothing while a record is being read in.
    void findMunicipio(const TCEP &ACep);

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
