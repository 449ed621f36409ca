#pragma once

#include "App.Base.Form.SubCadastro.h"

class TDateEdit;
class TEdit;
class TLabel;

// "Colaborador": the collector history of the portfolio open in the portfolio window.
class TFormSubCadastroColaboradorCarteira final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroColaboradorCarteira(QWidget *AParent = nullptr);

    TLabel *LabelColaborador;
    TEdit *EditColaborador;
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
