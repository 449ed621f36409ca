#pragma once

#include "App.Base.View.EstornoMovimentacao.h"

#include <QStringList>

class TDateEdit;
class TEdit;
class TFrameBaseAdapter;
class TLabel;
class TMemTable;
class TMovimentacaoFinanceiraPresenter;
class TRectangle;

// The totals of the rows on one page: settled movements (receivables add, payables subtract)
// and the entries and exits of balance transfers.
struct TTotaisPaginaMovimentacao
{
    double Baixados = 0;
    double Entradas = 0;
    double Saidas = 0;
};

// The page totals of the movement list's rows, from the first; a title-type code holding "D"
// (in any case) is a payable, and a transfer row counts as an exit then, as an entry otherwise.
// A closed table has no rows.
TTotaisPaginaMovimentacao totaisPaginaMovimentacao(TMemTable &ADataSet);

// "R$ " and the value as ",0.00": how the movement window shows its totals.
QString textoTotalMovimentacao(double AValor);

// "Movimentação Financeira": the cash movements of a period page by page, with the page's
// totals computed here and the selection's totals asked from the back end on a worker after every
// page load. A row reverses its movement (after the payment-line question); "Transferência"
// opens the balance transfer. Typing in the search or any filter blanks all eight totals until
// the next page load.
class TFormViewMovimentacaoFinanceira final : public TFormBaseViewEstornoMovimentacao
{
public:
    explicit TFormViewMovimentacaoFinanceira(QWidget *AParent = nullptr);
    ~TFormViewMovimentacaoFinanceira() override;

    TLabel *LabelFilterListaTipoTitulo;
    TEdit *EditFilterListaTipoTitulo;
    TLabel *LabelFilterDataInicial;
    TDateEdit *DateEditFilterDataInicial;
    TLabel *LabelFilterDataFinal;
    TDateEdit *DateEditFilterDataFinal;
    TLabel *LabelFilterPessoa;
    TEdit *EditFilterPessoa;
    TLabel *LabelFilterConta;
    TEdit *EditFilterConta;
    TLabel *LabelFilterEmpresa;
    TEdit *EditFilterEmpresa;
    TLabel *LabelFilterListaTipoPagamento;
    TEdit *EditFilterListaTipoPagamento;
    TLabel *LabelFilterUsuario;
    TEdit *EditFilterUsuario;

    TRectangle *RectangleTotaisPagina;
    TLabel *LabelTitleValorTotalBaixado;
    TLabel *LabelValorTotalBaixado;
    TLabel *LabelTitleValorTotalTransferenciaEntrada;
    TLabel *LabelValorTotalTransferenciaEntrada;
    TLabel *LabelTitleValorTotalTransferenciaSaida;
    TLabel *LabelValorTotalTransferenciaSaida;
    TLabel *LabelTitleSubTotalTransferencias;
    TLabel *LabelSubTotalTransferencias;

    TRectangle *RectangleTotaisGerais;
    TLabel *LabelTitleTotalGeralBaixados;
    TLabel *LabelTotalGeralBaixados;
    TLabel *LabelTitleTotalGeralEntradas;
    TLabel *LabelTotalGeralEntradas;
    TLabel *LabelTitleTotalGeralSaidas;
    TLabel *LabelTotalGeralSaidas;
    TLabel *LabelTitleSubTotalGeralTransferencias;
    TLabel *LabelSubTotalGeralTransferencias;
    TRectangle *RectangleTransferencia;
    TLabel *LabelTransferencia;

    TMovimentacaoFinanceiraPresenter &MovimentacaoPresenter() const;

    void ApplyThemeApp() override;
    void fillPaginate() override;
    // The page totals from the rows on screen, then the selection totals on a worker.
    void CalcularValorTotalBaixado();
    // A key other than Enter, Backspace, Shift, Control, Alt, Caps Lock or an arrow (typed
    // characters arrive as 0) blanks the eight totals.
    void KeyRule(int AKey);
    void RectangleTransferenciaClick();
    // The reversal of a row: permission, the payment-line question, then the reversal.
    void ProcEstornar(TFrameBaseAdapter *AFrame);

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void fillListFilterControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;

private:
    void zerarTotais();
    QList<TLabel *> totaisGerais() const;
};
