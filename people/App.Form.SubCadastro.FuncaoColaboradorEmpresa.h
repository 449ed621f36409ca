#pragma once

#include "App.Base.Form.SubCadastro.h"

class TDateEdit;
class TEdit;
class TLabel;

// "Funções/Salários": the function and salary history of the employment open in the staff
// window.
class TFormSubCadastroFuncaoColaboradorEmpresa final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroFuncaoColaboradorEmpresa(QWidget *AParent = nullptr);

    TLabel *LabelFuncao;
    TEdit *EditFuncao;
    TLabel *LabelData;
    TDateEdit *DateEditData;
    TLabel *LabelSalario;
    TEdit *EditSalario;
    TLabel *LabelListaSalario;
    TEdit *EditListaSalario;
    TLabel *LabelMotivo;
    TEdit *EditMotivo;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
