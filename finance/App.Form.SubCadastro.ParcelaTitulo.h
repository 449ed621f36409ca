#pragma once

#include "App.Form.SubCadastro.Base.Titulo.h"

class TDateEdit;

// "Parcelas": the instalments of the title being edited.
class TFormSubCadastroParcelaTitulo final : public TFormBaseSubCadastroTitulo
{
public:
    explicit TFormSubCadastroParcelaTitulo(QWidget *AParent = nullptr);

    TLabel *LabelVencimento;
    TDateEdit *DateEditVencimento;
    TLabel *LabelCodigoBarras;
    TEdit *EditCodigoBarras;
    TLabel *LabelNumeroDocumento;
    TEdit *EditNumeroDocumento;

protected:
    double findValorInDataSet() override;
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
};
