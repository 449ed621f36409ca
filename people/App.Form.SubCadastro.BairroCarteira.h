#pragma once

#include "App.Base.Form.SubCadastro.h"

class TDateEdit;
class TEdit;
class TLabel;

// "Bairros": the neighbourhood history of the portfolio open in the portfolio window.
class TFormSubCadastroBairroCarteira final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroBairroCarteira(QWidget *AParent = nullptr);

    TLabel *LabelBairro;
    TEdit *EditBairro;
    TLabel *LabelMunicipio;
    TEdit *EditMunicipio;
    TLabel *LabelUf;
    TEdit *EditUf;
    TLabel *LabelDataInicial;
    TDateEdit *DateEditDataInicial;
    TLabel *LabelDataFinal;
    TDateEdit *DateEditDataFinal;
    TLabel *LabelMotivo;
    TEdit *EditMotivo;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
