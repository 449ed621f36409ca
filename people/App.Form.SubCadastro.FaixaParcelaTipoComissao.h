#pragma once

#include "App.Base.Form.SubCadastro.h"

class TEdit;
class TLabel;

// "Faixa Parcela": the instalment bands of the commission type open in the commission-model
// window, each a receipt method, an instalment band and the commission table that applies.
class TFormSubCadastroFaixaParcelaTipoComissao final : public TFormBaseSubCadastro
{
public:
    explicit TFormSubCadastroFaixaParcelaTipoComissao(QWidget *AParent = nullptr);

    TLabel *LabelComissao;
    TEdit *EditComissao;
    TLabel *LabelListaFormaRecebimento;
    TEdit *EditListaFormaRecebimento;
    TLabel *LabelFaixaParcela;
    TEdit *EditFaixaParcela;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
