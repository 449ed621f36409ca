#include "App.Adapter.Frame.Titulo.h"

#include "App.Lib.ImageList.h"
#include "App.Lib.Theme.h"
#include "App.Lib.Theme.ColorFinanceiro.h"

#include "CheckBox.h"
#include "DateTime.h"
#include "Label.h"
#include "Layouts.h"
#include "MemTable.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include <QFontMetrics>

namespace {
constexpr int TituloMenuLateralImageIndex = 14;
constexpr int TituloAlturaComBaixa = 82;
constexpr int TituloAlturaSemBaixa = 64;
} // namespace

TTituloFrameAdapter::TTituloFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    SpeedButtonMenuLateral = AddButton(QStringLiteral("SpeedButtonMenuLateral"),
                                       QStringLiteral("infotoolbutton"),
                                       [this] { SpeedButtonMenuLateralClick(); });
    SpeedButtonMenuLateral->setImages(&TDataModuleImageList::Instance().ImageListPrincipal);
    SpeedButtonMenuLateral->setImageIndex(TituloMenuLateralImageIndex);

    // One button more than the base row holds.
    LayoutButtons->setWidth(LayoutButtons->width() + 34);

    CheckBoxMarcar = new TCheckBox(LayoutBackground, QStringLiteral("CheckBoxMarcar"));
    CheckBoxMarcar->setPosition(150, 10);
    CheckBoxMarcar->setSize(20, 19);
    CheckBoxMarcar->OnClick = [this](QObject *) { CheckBoxMarcarClick(); };

    LabelDescricao = AddHeadline(u"LabelDescricao", u"FAVORECIDO");
    AddField(LabelTitleNumeroDocumento,
             LabelNumeroDocumento,
             { u"NumeroDocumento", u"Número Documento:", 184, 300, 28, u"NUMERO_DOCUMENTO" });
    AddField(LabelTitleTipoTitulo,
             LabelTipoTitulo,
             { u"TipoTitulo", u"Tipo Título:", 470, 546, 28, u"TIPO_TITULO" });
    AddField(
        LabelTitleEmpresa, LabelEmpresa, { u"Empresa", u"Empresa:", 700, 760, 28, u"EMPRESA" });
    AddField(LabelTitleVencimento,
             LabelVencimento,
             { u"Vencimento", u"Vencimento:", 184, 260, 44, u"VENCIMENTO" });
    AddField(LabelTitleValorParcela,
             LabelValorParcela,
             { u"ValorParcela", u"Valor:", 350, 390, 44, u"VALOR_PARCELA" });
    AddField(LabelTitleParcelaTitulo,
             LabelParcelaTitulo,
             { u"ParcelaTitulo", u"Parcela:", 470, 526, 44, u"PARCELA_TITULO" });
    AddField(LabelTitleDescricaoTitulo,
             LabelDescricaoTitulo,
             { u"DescricaoTitulo", u"Descrição:", 580, 650, 44, u"DESCRICAO" });
    RectangleValorBaixa = new TRectangle(LayoutBackground, QStringLiteral("RectangleValorBaixa"));
    RectangleValorBaixa->setStrokeColor(TAlphaColors::Null);
    RectangleValorBaixa->setRadius(4, 4);
    RectangleValorBaixa->setPosition(264, 61);
    RectangleValorBaixa->setSize(60, 18);
    AddField(LabelTitleValorBaixa,
             LabelValorBaixa,
             { u"ValorBaixa", u"Valor Baixa:", 184, 273, 62, u"VALOR_BAIXA" });
    AddField(LabelTitleDataBaixa,
             LabelDataBaixa,
             { u"DataBaixa", u"Data Baixa:", 470, 550, 62, u"DATA_BAIXA" });
    RectangleValorBaixa->stackUnder(LabelValorBaixa);
    SetupLabels();
}

void TTituloFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    IdParcelaTitulo = ADataSet.FieldByName(QStringLiteral("ID_PARCELA_TITULO"))->AsLargeInt();
    TipoTituloMarcado = ADataSet.FieldByName(QStringLiteral("TIPO_TITULO"))->AsString();
    IsBaixadoTotal = ADataSet.FieldByName(QStringLiteral("POSSUI_BAIXA_TOTAL"))->AsInteger() == 1;
    CodigoTipoTitulo = ADataSet.FieldByName(QStringLiteral("CODIGO_TIPO_TITULO"))->AsString();

    const TColorFinanceiroApp &cores = TThemeApp::Instance().ColorFinanceiro();
    if (CodigoTipoTitulo == QLatin1String("R"))
        RectangleColorStatus->setFillColor(cores.TipoReceita);
    else if (CodigoTipoTitulo == QLatin1String("D"))
        RectangleColorStatus->setFillColor(cores.TipoDespesa);

    const bool baixado = ADataSet.FieldByName(QStringLiteral("DATA_BAIXA"))->AsDateTime() != 0;
    if (baixado) {
        setSize(width(), TituloAlturaComBaixa);
        const QFontMetrics metrics(LabelValorBaixa->font());
        RectangleValorBaixa->setWidth(metrics.horizontalAdvance(LabelValorBaixa->text().trimmed())
                                      + 18);
        RectangleValorBaixa->setPositionX(LabelValorBaixa->x() - 9);
        RectangleValorBaixa->setFillColor(RectangleColorStatus->fillColor());
    } else {
        setSize(width(), TituloAlturaSemBaixa);
    }
    for (QWidget *label : std::initializer_list<QWidget *> { LabelValorBaixa,
                                                             LabelDataBaixa,
                                                             LabelTitleValorBaixa,
                                                             LabelTitleDataBaixa,
                                                             RectangleValorBaixa })
        label->setVisible(baixado);
}

void TTituloFrameAdapter::CheckBoxMarcarClick()
{
    if (ProcCheckBoxMarcar)
        ProcCheckBoxMarcar(this);
}

void TTituloFrameAdapter::SpeedButtonMenuLateralClick()
{
    if (ProcMenuLateral)
        ProcMenuLateral(this);
}

void TTituloFrameAdapter::SpeedButtonRemoveClick()
{
    if (ProcExcluir)
        ProcExcluir(this);
}
