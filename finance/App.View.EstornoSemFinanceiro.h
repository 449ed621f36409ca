#pragma once

#include "App.Base.View.EstornoMovimentacao.h"

class TDateEdit;
class TEdit;
class TLabel;

// "ESTORNAR PARCELAS BONIFICADAS/CANCELADAS": the movements of bonified or cancelled
// instalments of a period (the current month by default), page by page. A row reverses its
// bonus or cancellation with the reversal dialog, without the payment-line question.
class TFormViewEstornoSemFinanceiro final : public TFormBaseViewEstornoMovimentacao
{
public:
    explicit TFormViewEstornoSemFinanceiro(QWidget *AParent = nullptr);
    ~TFormViewEstornoSemFinanceiro() override;

    TLabel *LabelFilterListaTipoTitulo;
    TEdit *EditFilterListaTipoTitulo;
    TLabel *LabelFilterDataInicial;
    TDateEdit *DateEditFilterDataInicial;
    TLabel *LabelFilterDataFinal;
    TDateEdit *DateEditFilterDataFinal;
    TLabel *LabelFilterPessoa;
    TEdit *EditFilterPessoa;
    TLabel *LabelFilterEmpresa;
    TEdit *EditFilterEmpresa;

    // The reversal of a row: the permission, then the reversal.
    void ProcEstornar(TFrameBaseAdapter *AFrame);

protected:
    void SetInfoPresenter() override;
    void fillListFilterControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
};
