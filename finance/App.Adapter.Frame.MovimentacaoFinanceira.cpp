#include "App.Adapter.Frame.MovimentacaoFinanceira.h"

#include "App.Lib.Theme.h"

#include "FormatSettings.h"
#include "Label.h"
#include "MemTable.h"
#include "Shapes.h"
#include "SpeedButton.h"

void fillParcelaMovimentacao(const TMemTable &ADataSet, TLabel *ADescricao, TLabel *AParcela)
{
    const TField *numero = ADataSet.FieldByName(QStringLiteral("NUMERO_SEQUENCIAL_PARCELA"));
    const bool temParcela = numero->AsInteger() != 0;
    QString descricao = ADataSet.FieldByName(QStringLiteral("DESCRICAO_TITULO"))->DisplayText();
    if (temParcela)
        descricao += QStringLiteral(" - PARCELA ") + numero->DisplayText();
    ADescricao->setText(descricao);
    AParcela->setText(temParcela
                          ? numero->DisplayText() + u'/'
                                + ADataSet.FieldByName(QStringLiteral("QUANTIDADE_PARCELAS"))
                                      ->DisplayText()
                          : QString());
}

TMovimentacaoFinanceiraFrameAdapter::TMovimentacaoFinanceiraFrameAdapter(QWidget *AOwner,
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
             { u"ValorBaixado", u"Valor Baixado:", 700, 794, 34 });
    AddField(LabelTitleDescricaoTitulo,
             LabelDescricaoTitulo,
             { u"DescricaoTitulo", u"Descrição:", 16, 90, 54 });
    AddField(LabelTitleParcela, LabelParcela, { u"Parcela", u"Nº Parcela:", 470, 550, 54 });
    AddField(LabelTitleValorParcela,
             LabelValorParcela,
             { u"ValorParcela", u"R$ Parcela:", 700, 794, 54, u"VALOR_PARCELA" });
    AddField(LabelTitleValorTitulo,
             LabelValorTitulo,
             { u"ValorTitulo", u"R$ Título:", 920, 1000, 54, u"VALOR_TITULO" });
    AddField(LabelTitleEmpresa, LabelEmpresa, { u"Empresa", u"Empresa:", 16, 90, 74, u"EMPRESA" });
    AddField(LabelTitleDataCadastro,
             LabelDataCadastro,
             { u"DataCadastro", u"Dt. Registro:", 470, 550, 74, u"DATA_CADASTRO" });
    AddField(LabelTitleFormaPagamento,
             LabelFormaPagamento,
             { u"FormaPagamento", u"Forma:", 700, 794, 74, u"FORMA_PAGAMENTO" });
    AddField(LabelTitleUsuario, LabelUsuario, { u"Usuario", u"Usuário:", 16, 90, 94, u"USUARIO" });
    AddField(LabelTitleNumeroContrato,
             LabelNumeroContrato,
             { u"NumeroContrato", u"Contrato:", 470, 550, 94, u"NUMERO_CONTRATO" });
    LabelInformacaoConta = AddLabel(QStringLiteral("LabelInformacaoConta"), QString(), 700, 94);
    setSize(width(), 120);
    SetupLabels();
}

void TMovimentacaoFinanceiraFrameAdapter::SpeedButtonEstornarClick()
{
    if (ProcEstornar)
        ProcEstornar(this);
}

void TMovimentacaoFinanceiraFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    const auto texto = [&ADataSet](const char *AColumn) {
        return ADataSet.FieldByName(QLatin1String(AColumn))->DisplayText();
    };
    LabelDocumento->setText(texto("SIGLA_TIPO_DOCUMENTO") + u' ' + texto("NUMERO_DOCUMENTO"));
    fillParcelaMovimentacao(ADataSet, LabelDescricaoTitulo, LabelParcela);

    const TColorFinanceiroApp &cores = TThemeApp::Instance().ColorFinanceiro();
    const bool receita = texto("CODIGO_TIPO_TITULO") == QStringLiteral("R");
    const TAlphaColor cor = receita ? cores.TipoReceita : cores.TipoDespesa;
    RectangleColorStatus->setFillColor(cor);
    LabelValorBaixado->setText(
        receita ? texto("VALOR_BAIXA")
                : FormatFloat(QStringLiteral(",0.00"),
                              -ADataSet.FieldByName(QStringLiteral("VALOR_BAIXA"))->AsFloat()));
    LabelValorBaixado->setFontColor(cor);

    const QString saida = texto("CONTA_SAIDA");
    const QString entrada = texto("CONTA_ENTRADA");
    LabelInformacaoConta->setVisible(!saida.isEmpty() || !entrada.isEmpty());
    if (saida.isEmpty())
        LabelInformacaoConta->setText(QStringLiteral("ENTRADA NA CONTA: ") + entrada);
    else if (entrada.isEmpty())
        LabelInformacaoConta->setText(QStringLiteral("SAÍDA DA CONTA: ") + saida);
    else
        LabelInformacaoConta->setText(saida + QStringLiteral(" -> ") + entrada);

    const bool temContrato = ADataSet.FieldByName(QStringLiteral("NUMERO_CONTRATO"))->AsInteger() != 0;
    LabelTitleNumeroContrato->setVisible(temContrato);
    LabelNumeroContrato->setVisible(temContrato);
}
