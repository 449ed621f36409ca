#pragma once

#include "App.Base.Form.SubCadastro.h"

class TDateEdit;
class TEdit;
class TLabel;

// "Colaboradores": the member history of the team open in the team window.
class TFormSubCadastroColaboradorEquipe final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroColaboradorEquipe(QWidget *AParent = nullptr);

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
