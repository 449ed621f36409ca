#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TLabel;

// "Faixas de Comissões": the commission bands of the time band open in the commission-table
// window, each a commission type with its quantity, percentage and value.
class TFormSubCadastroFaixaComissao final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroFaixaComissao(QWidget *AParent = nullptr);

    TLabel *LabelListaTipoComissao;
    TEdit *EditListaTipoComissao;
    TLabel *LabelQuantidade;
    TEdit *EditQuantidade;
    TLabel *LabelPercentual;
    TEdit *EditPercentual;
    TLabel *LabelValor;
    TEdit *EditValor;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
