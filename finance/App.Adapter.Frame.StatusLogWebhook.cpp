#include "App.Adapter.Frame.StatusLogWebhook.h"

#include "Common.Dto.ParcelaApp.h"
#include "Common.Dto.WebhookPagamentoEletronico.h"
#include "Common.Lib.JSON.h"

#include "FormatSettings.h"
#include "Label.h"
#include "MemTable.h"
#include "SpeedButton.h"

namespace {

QString valorLog(double AValue)
{
    return FormatFloat(QStringLiteral(",0.00"), AValue);
}

QString dataLog(TDateTime AValue)
{
    return FormatDateTime(QStringLiteral("dd/mm/yyyy"), AValue);
}

} // namespace

TStatusLogWebhookFrameAdapter::TStatusLogWebhookFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    // The values start below the id column.
    AddField(LabelTitleDataLog,
             LabelDataLog,
             { u"DataLog", u"Data do Log:", 16, 100, 42, u"DATA_CADASTRO" });
    AddField(LabelTitleValorCobranca,
             LabelValorCobranca,
             { u"ValorCobranca", u"Valor da Cobrança:", 300, 424, 42 });
    AddField(LabelTitleVencimento, LabelVencimento, { u"Vencimento", u"Vencimento:", 620, 720, 42 });
    AddField(LabelTitleMensagem, LabelMensagem, { u"Mensagem", u"Log:", 16, 100, 62, u"MENSAGEM" });
    AddField(LabelTitleCobrancaAPI,
             LabelCobrancaAPI,
             { u"CobrancaAPI", u"Cobrança API:", 620, 720, 62 });
    AddField(LabelTitleContrato,
             LabelContrato,
             { u"Contrato", u"Contrato:", 16, 100, 82, u"NOME_TITULAR" });
    AddField(LabelTitleTipoLog, LabelTipoLog, { u"TipoLog", u"Tipo:", 300, 424, 82, u"TIPO_LOG" });
    AddField(LabelTitleDataBaixa, LabelDataBaixa, { u"DataBaixa", u"Data da Baixa:", 620, 720, 82 });
    AddField(LabelTitleValorPago, LabelValorPago, { u"ValorPago", u"Valor Pago:", 16, 100, 102 });
    AddField(LabelTitleUsuario, LabelUsuario, { u"Usuario", u"Usuário:", 300, 424, 102, u"USUARIO" });

    SpeedButtonEdit->setVisible(false);
    SpeedButtonRemove->setVisible(false);
    SpeedButtonView->setVisible(false);
    SpeedButtonVisualizarPossivelSolucao = AddButton(
        QStringLiteral("SpeedButtonVisualizarPossivelSolucao"),
        QStringLiteral("infotoolbutton"),
        [this] {
            if (ProcVisualizarPossivelSolucao)
                ProcVisualizarPossivelSolucao(this);
        });
    SpeedButtonExclusao = AddButton(QStringLiteral("SpeedButtonExclusao"),
                                    QStringLiteral("stoptoolbutton"),
                                    [this] {
                                        if (ProcExclusao)
                                            ProcExclusao(this);
                                    });
    setSize(width(), 140);
    SetupLabels();
}

void TStatusLogWebhookFrameAdapter::IsParcelaApp()
{
    LabelTitleValorCobranca->setText(QStringLiteral("Valor da Parcela"));
    LabelTitleCobrancaAPI->setVisible(false);
    LabelCobrancaAPI->setVisible(false);
}

void TStatusLogWebhookFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    PossivelSolucao = ADataSet.FieldByName(QStringLiteral("POSSIVEL_SOLUCAO"))->AsString();
    const QString codigo = ADataSet.FieldByName(QStringLiteral("CODIGO_TIPO_LOG"))->AsString();
    const bool pagamentoApi = codigo == u"01";
    const bool parcelaApp = codigo == u"02";
    if (parcelaApp)
        IsParcelaApp();
    const QString wrapper = ADataSet.FieldByName(QStringLiteral("JSON_WRAPPER"))->AsString();
    if ((!pagamentoApi && !parcelaApp) || wrapper.isEmpty())
        return;
    // A wrapper that is not an object (an array, a cut-off text) or whose members do not fit
    // leaves this row's amounts empty; the rest of the list still shows.
    const TJsonValue conteudo = TDravikJson::JsonStringToJson(wrapper);
    if (!conteudo.IsObject())
        return;
    std::unique_ptr<TWebhookPagamentoEletronico> webhook;
    std::unique_ptr<TParcelaAppDto> parcela;
    try {
        if (pagamentoApi)
            webhook = TDravikJson::JsonToObject<TWebhookPagamentoEletronico>(conteudo);
        else
            parcela = TDravikJson::JsonToObject<TParcelaAppDto>(conteudo);
    } catch (const std::exception &) {
        return;
    }
    if (webhook) {
        LabelCobrancaAPI->setText(webhook->IdCobrancaEletronica);
        LabelValorCobranca->setText(valorLog(webhook->ValorCobranca));
        LabelValorPago->setText(valorLog(webhook->ValorBaixado));
        LabelVencimento->setText(dataLog(webhook->Vencimento));
        LabelDataBaixa->setText(dataLog(webhook->DataBaixa));
    } else if (parcela) {
        LabelValorCobranca->setText(valorLog(parcela->ValorParcela));
        LabelValorPago->setText(valorLog(parcela->ValorPago));
        LabelVencimento->setText(dataLog(parcela->DataVencimento));
        LabelDataBaixa->setText(dataLog(parcela->DataPagamento));
    }
}
