#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the webhook log list: when and what was logged, for which contract and user, and the
// notification's amounts and dates read from its content (a payment-API charge for log type
// "01", a collector-app instalment for "02"). Its two buttons show the suggested solution and
// cancel the log's reprocessing; the usual edit, remove and view buttons are hidden.
class TStatusLogWebhookFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TStatusLogWebhookFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelTitleDataLog;
    TLabel *LabelDataLog;
    TLabel *LabelTitleValorCobranca;
    TLabel *LabelValorCobranca;
    TLabel *LabelTitleVencimento;
    TLabel *LabelVencimento;
    TLabel *LabelTitleMensagem;
    TLabel *LabelMensagem;
    TLabel *LabelTitleCobrancaAPI;
    TLabel *LabelCobrancaAPI;
    TLabel *LabelTitleContrato;
    TLabel *LabelContrato;
    TLabel *LabelTitleTipoLog;
    TLabel *LabelTipoLog;
    TLabel *LabelTitleDataBaixa;
    TLabel *LabelDataBaixa;
    TLabel *LabelTitleValorPago;
    TLabel *LabelValorPago;
    TLabel *LabelTitleUsuario;
    TLabel *LabelUsuario;
    TSpeedButton *SpeedButtonVisualizarPossivelSolucao;
    TSpeedButton *SpeedButtonExclusao;

    QString PossivelSolucao;
    TProcFrame ProcVisualizarPossivelSolucao;
    TProcFrame ProcExclusao;

    // A collector-app instalment: the amount is titled "Valor da Parcela" and the charge at the
    // API is not shown.
    void IsParcelaApp();

protected:
    // The suggested solution and, by the log type, the content's amounts and dates. A content
    // that is neither an object nor null leaves only this row's amounts empty.
    void fillRow(const TMemTable &ADataSet) override;
};
