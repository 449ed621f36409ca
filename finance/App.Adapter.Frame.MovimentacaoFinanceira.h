#pragma once

#include "App.Base.Adapter.h"

class TSpeedButton;

// A row of the cash movement list: the title, the person, the dates and values of the movement,
// and the accounts of a transfer. A payable shows its value negated; the status strip and the
// value take the revenue or expense colour. The reversal button hands the row to ProcEstornar.
class TMovimentacaoFinanceiraFrameAdapter final : public TFrameBaseAdapter
{
    Q_OBJECT

public:
    explicit TMovimentacaoFinanceiraFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TSpeedButton *SpeedButtonEstornar;
    TLabel *LabelDocumento;
    TLabel *LabelTitleFavorecido;
    TLabel *LabelFavorecido;
    TLabel *LabelTitleDataBaixa;
    TLabel *LabelDataBaixa;
    TLabel *LabelTitleValorTitulo;
    TLabel *LabelValorTitulo;
    TLabel *LabelTitleValorBaixado;
    TLabel *LabelValorBaixado;
    TLabel *LabelTitleDescricaoTitulo;
    TLabel *LabelDescricaoTitulo;
    TLabel *LabelTitleParcela;
    TLabel *LabelParcela;
    TLabel *LabelTitleValorParcela;
    TLabel *LabelValorParcela;
    TLabel *LabelTitleDataCadastro;
    TLabel *LabelDataCadastro;
    TLabel *LabelTitleEmpresa;
    TLabel *LabelEmpresa;
    TLabel *LabelTitleNumeroContrato;
    TLabel *LabelNumeroContrato;
    TLabel *LabelTitleFormaPagamento;
    TLabel *LabelFormaPagamento;
    TLabel *LabelTitleUsuario;
    TLabel *LabelUsuario;
    TLabel *LabelInformacaoConta;

    // The window's reversal, run with this row by the reversal button when set.
    TProcFrame ProcEstornar;

    void SpeedButtonEstornarClick();

protected:
    void fillRow(const TMemTable &ADataSet) override;
};

// The description of a title with its instalment ("MENSALIDADE - PARCELA 0000000003") and the
// instalment as number "/" count ("0000000003/012"); neither mentions an instalment numbered 0.
// Both lists of movements show them so.
void fillParcelaMovimentacao(const TMemTable &ADataSet, TLabel *ADescricao, TLabel *AParcela);
