#pragma once

#include "App.Base.Form.SubCadastro.h"

class TDateEdit;
class TEdit;
class TLabel;

// "Equipes": the teams the employee belonged to during the employment open in the staff window.
class TFormSubCadastroEquipeColaboradorEmpresa final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroEquipeColaboradorEmpresa(QWidget *AParent = nullptr);

    TLabel *LabelEquipe;
    TEdit *EditEquipe;
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
