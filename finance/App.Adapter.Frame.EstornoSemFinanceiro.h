#pragma once

#include "App.Base.Adapter.h"

class TSpeedButton;

// A row of the list of bonified or cancelled instalments: the title, the person, the values
// and whether the instalment was cancelled or bonified. The value is never negated; the status
// strip and the value take the revenue or expense colour. The reversal button hands the row to
// ProcEstornar.
class TEstornoSemFinanceiroFrameAdapter final : public TFrameBaseAdapter
{
    Q_OBJECT

public:
    explicit TEstornoSemFinanceiroFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TSpeedButton *SpeedButtonEstornar;
    TLabel *LabelDocumento;
    TLabel *LabelTitleFavorecido;
    TLabel *LabelFavorecido;
    TLabel *LabelTitleDataBaixa;
    TLabel *LabelDataBaixa;
    TLabel *LabelTitleValorBaixado;
    TLabel *LabelValorBaixado;
    TLabel *LabelTitleValorTitulo;
    TLabel *LabelValorTitulo;
    TLabel *LabelTitleValorParcela;
    TLabel *LabelValorParcela;
    TLabel *LabelTitleDescricaoTitulo;
    TLabel *LabelDescricaoTitulo;
    TLabel *LabelTitleParcela;
    TLabel *LabelParcela;
    TLabel *LabelTitleDataCadastro;
    TLabel *LabelDataCadastro;
    TLabel *LabelTitleEmpresa;
    TLabel *LabelEmpresa;
    TLabel *LabelTitleNumeroContrato;
    TLabel *LabelNumeroContrato;
    TLabel *LabelTitleIsCancelada;
    TLabel *LabelIsCancelada;

    // The window's reversal, run with this row by the reversal button when set.
    TProcFrame ProcEstornar;

    void SpeedButtonEstornarClick();

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
