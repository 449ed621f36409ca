#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TLabel;

// "VENDEDORES NO PLANO": the staff members allowed to sell the plan being edited.
class TFormSubCadastroVendedorPlano final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroVendedorPlano(QWidget *AParent = nullptr);

    TLabel *LabelColaborador;
    TEdit *EditColaborador;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
