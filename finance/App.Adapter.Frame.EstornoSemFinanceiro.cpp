#include "App.Adapter.Frame.EstornoSemFinanceiro.h"

#include "App.Adapter.Frame.MovimentacaoFinanceira.h"
#include "App.Lib.Theme.h"

#include "Label.h"
#include "MemTable.h"
#include "Shapes.h"
#include "SpeedButton.h"

TEstornoSemFinanceiroFrameAdapter::TEstornoSemFinanceiroFrameAdapter(QWidget *AOwner,
                                                                     const QString &name)
    : TFrameBaseAdapter(AOwner, name)
{
    SpeedButtonEstornar = AddButton(QStringLiteral("SpeedButtonEstornar"),
                                    QStringLiteral("refreshtoolbutton"),
                                    [this] { SpeedButtonEstornarClick(); });
    SpeedButtonEstornar->setToolTip(QStringLiteral("Estornar"));

    // The headline joins the document type and number (fillRow).
    LabelDocumento = AddHeadline(u"LabelDocumento", u"NUMERO_DOCUMENTO");
    AddField(LabelTitleFavorecido,
             LabelFavorecido,
             { u"Favorecido", u"Favorecido:", 16, 90, 34, u"FAVORECIDO" });
    AddField(LabelTitleDataBaixa,
             LabelDataBaixa,
             { u"DataBaixa", u"Data Baixa:", 470, 550, 34, u"DATA" });
    AddField(LabelTitleValorBaixado,
             LabelValorBaixado,
             { u"ValorBaixado", u"Valor Baixado:", 700, 794, 34, u"VALOR_BAIXA" });
    AddField(LabelTitleDescricaoTitulo,
             LabelDescricaoTitulo,
             { u"DescricaoTitulo", u"Descrição:", 16, 90, 54 });
    AddField(LabelTitleParcela, LabelParcela, { u"Parcela", u"Nº Parcela:", 470, 550, 54 });
    AddField(LabelTitleValorParcela,
             LabelValorParcela,
             { u"ValorParcela", u"Valor Parcela:", 700, 794, 54, u"VALOR_PARCELA" });
    AddField(LabelTitleValorTitulo,
             LabelValorTitulo,
             { u"ValorTitulo", u"Valor Título:", 920, 1014, 54, u"VALOR_TITULO" });
    AddField(LabelTitleEmpresa, LabelEmpresa, { u"Empresa", u"Empresa:", 16, 90, 74, u"EMPRESA" });
    AddField(LabelTitleDataCadastro,
             LabelDataCadastro,
             { u"DataCadastro", u"Dt. Registro:", 470, 550, 74, u"DATA_CADASTRO" });
    AddField(LabelTitleNumeroContrato,
             LabelNumeroContrato,
             { u"NumeroContrato", u"Contrato:", 700, 794, 74, u"NUMERO_CONTRATO" });
    AddField(LabelTitleIsCancelada,
             LabelIsCancelada,
             { u"IsCancelada", u"Cancelada?", 920, 1014, 74 });
    setSize(width(), 100);
    SetupLabels();
}

void TEstornoSemFinanceiroFrameAdapter::SpeedButtonEstornarClick()
{
    if (ProcEstornar)
        ProcEstornar(this);
}

void TEstornoSemFinanceiroFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    const auto texto = [&ADataSet](const char *AColumn) {
        return ADataSet.FieldByName(QLatin1String(AColumn))->DisplayText();
    };
    LabelDocumento->setText(texto("SIGLA_TIPO_DOCUMENTO") + u' ' + texto("NUMERO_DOCUMENTO"));
    fillParcelaMovimentacao(ADataSet, LabelDescricaoTitulo, LabelParcela);

    const TColorFinanceiroApp &cores = TThemeApp::Instance().ColorFinanceiro();
    const TAlphaColor cor
        = texto("CODIGO_TIPO_TITULO") == QStringLiteral("R") ? cores.TipoReceita : cores.TipoDespesa;
    RectangleColorStatus->setFillColor(cor);
    LabelValorBaixado->setFontColor(cor);

    // A cancellation is named before a bonus.
    const bool cancelada = ADataSet.FieldByName(QStringLiteral("IS_CANCELADA"))->AsBoolean();
    const bool bonificada = ADataSet.FieldByName(QStringLiteral("IS_BONIFICADA"))->AsBoolean();
    LabelTitleIsCancelada->setText(cancelada || !bonificada ? QStringLiteral("Cancelada?")
                                                            : QStringLiteral("Bonificada?"));
    LabelIsCancelada->setText(QStringLiteral("Sim"));
    LabelTitleIsCancelada->setVisible(cancelada || bonificada);
    LabelIsCancelada->setVisible(cancelada || bonificada);
}
