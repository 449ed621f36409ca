#pragma once

#include "App.Base.Form.SubCadastro.h"

class TDateEdit;
class TEdit;
class TLabel;

// "Valores do Plano": the price history of the plan being edited.
class TFormSubCadastroValorPlano final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroValorPlano(QWidget *AParent = nullptr);

    TLabel *LabelData;
    TDateEdit *DateEditData;
    TLabel *LabelValor;
    TEdit *EditValor;
    TLabel *LabelValorParcela;
    TEdit *EditValorParcela;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
