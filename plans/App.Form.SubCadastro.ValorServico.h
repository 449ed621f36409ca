#pragma once

#include "App.Base.Form.SubCadastro.h"

class TDateEdit;
class TEdit;
class TLabel;

// "Valores": the value history of the service being edited (value, insured capital and
// deductible from a date on).
class TFormSubCadastroValorServico final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroValorServico(QWidget *AParent = nullptr);

    TLabel *LabelData;
    TDateEdit *DateEditData;
    TLabel *LabelValor;
    TEdit *EditValor;
    TLabel *LabelValorCapitalSegurado;
    TEdit *EditValorCapitalSegurado;
    TLabel *LabelFranquia;
    TEdit *EditFranquia;
    TLabel *LabelListaTipoFranquia;
    TEdit *EditListaTipoFranquia;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
