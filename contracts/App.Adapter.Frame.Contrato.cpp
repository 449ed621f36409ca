#include "App.Adapter.Frame.Contrato.h"

#include "App.Lib.ImageList.h"
#include "App.Lib.Theme.h"
#include "Common.Lib.Formatter.Edit.h"

#include "Label.h"
#include "MemTable.h"
#include "Shapes.h"
#include "SpeedButton.h"

namespace {

// The side-menu button's picture in the main image list.
constexpr int ContratoMenuLateralImageIndex = 14;

} // namespace

TContratoStatus contratoStatus(const TContratoSituacao &ASituacao)
{
    TContratoStatus status { QStringLiteral("ATIVO") };
    if (ASituacao.IsEmCarencia)
        status.Cor = &TColorFinanceiroApp::CadastroEmCarencia;
    else if (ASituacao.DiasParcelasEmAberto >= 90)
        status.Cor = &TColorFinanceiroApp::SessentaDiasParcelasAbertas;
    else if (ASituacao.DiasParcelasEmAberto >= 60)
        status.Cor = &TColorFinanceiroApp::QuarentaCincoDiasParcelasAbertas;
    if (ASituacao.IsCancelado) {
        status.Cor = &TColorFinanceiroApp::CadastroDesativado;
        status.Texto = QStringLiteral("DESATIVADO");
    }
    if (ASituacao.IsTitularFalecido)
        status.Cor = &TColorFinanceiroApp::TitularFalecido;
    if (ASituacao.IsSuspenso) {
        status.Cor = &TColorFinanceiroApp::CadastroSuspenso;
        status.Texto = QStringLiteral("INATIVO");
    }
    if (ASituacao.IsQuitado) {
        status.Cor = &TColorFinanceiroApp::CadastroQuitado;
        status.Texto = QStringLiteral("QUITADO");
    }
    return status;
}

TContratoFrameAdapter::TContratoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LayoutButtons->setWidth(180);
    SpeedButtonAviso = AddButton(QStringLiteral("SpeedButtonAviso"),
                                 QStringLiteral("bookmarkstoolbutton"),
                                 [this] { SpeedButtonAvisoClick(); });
    SpeedButtonAviso->setToolTip(QStringLiteral("Avisos"));
    SpeedButtonAviso->setVisible(false);
    SpeedButtonMenuLateral = AddButton(QStringLiteral("SpeedButtonMenuLateral"),
                                       QStringLiteral("infotoolbutton"),
                                       [this] { SpeedButtonMenuLateralClick(); });
    SpeedButtonMenuLateral->setImages(&TDataModuleImageList::Instance().ImageListPrincipal);
    SpeedButtonMenuLateral->setImageIndex(ContratoMenuLateralImageIndex);

    LabelTitular = AddHeadline(u"LabelTitular", u"TITULAR");
    AddField(LabelTitleCodigo,
             LabelCodigo,
             { u"Codigo", u"Número do Contrato:", 184, 320, 42, u"CODIGO" });
    AddField(LabelTitleDiaVencimento,
             LabelDiaVencimento,
             { u"DiaVencimento", u"Dia Vencimento:", 420, 530, 42, u"DIA_VENCIMENTO" });
    AddField(LabelTitleDataContrato,
             LabelDataContrato,
             { u"DataContrato", u"Data Contrato:", 580, 680, 42, u"DATA_CONTRATO" });
    AddField(LabelTitleStatusPlano, LabelStatusPlano, { u"StatusPlano", u"Status:", 790, 840, 42 });
    AddField(LabelTitlePlano, LabelPlano, { u"Plano", u"Plano:", 184, 230, 64, u"PLANO" });
    AddField(LabelTitleCarteira,
             LabelCarteira,
             { u"Carteira", u"Carteira:", 420, 485, 64, u"CARTEIRA" });
    AddField(LabelTitleTelefone, LabelTelefone, { u"Telefone", u"Telefone:", 580, 650, 64 });
    AddField(LabelTitleQuantidadeDependenteAtivo,
             LabelQuantidadeDependenteAtivo,
             { u"QuantidadeDependenteAtivo",
               u"Qtde Dep. Ativos:",
               790,
               910,
               64,
               u"QUANTIDADE_DEPENDENTE_ATIVO" });
    AddField(LabelTitleEndereco, LabelEndereco, { u"Endereco", u"Endereço:", 184, 254, 86 });
    AddField(LabelTitleUltimaDataRecebida,
             LabelUltimaDataRecebida,
             { u"UltimaDataRecebida", u"Último Recebido:", 580, 695, 86, u"ULTIMA_DATA_RECEBIDA" });
    AddField(LabelTitleVendedor,
             LabelVendedor,
             { u"Vendedor", u"Vendedor:", 790, 860, 86, u"VENDEDOR" });
    // Three lines of values under the holder's name.
    setSize(width(), 112);
    SetupLabels();
}

void TContratoFrameAdapter::SetAviso(const QString &AValue)
{
    FAviso = AValue;
    SpeedButtonAviso->setVisible(!AValue.isEmpty());
}

void TContratoFrameAdapter::SpeedButtonAvisoClick()
{
    if (ProcAviso)
        ProcAviso(this);
}

void TContratoFrameAdapter::SpeedButtonMenuLateralClick()
{
    if (ProcMenuLateral)
        ProcMenuLateral(this);
}

void TContratoFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    const auto field
        = [&ADataSet](const char *AColumn) { return ADataSet.FieldByName(QLatin1String(AColumn)); };
    const auto text = [&field](const char *AColumn) { return field(AColumn)->DisplayText(); };

    IdPessoaTitular = field("ID_TITULAR")->AsLargeInt();
    LabelEndereco->setText(text("LOGRADOURO") + QStringLiteral(", ") + text("BAIRRO")
                           + QStringLiteral(" - ") + text("MUNICIPIO") + QStringLiteral(", ")
                           + text("UF"));
    LabelTelefone->setText(FormatTextByType(text("TELEFONE"), TFormatterEdit::Celular));
    SetAviso(text("AVISO"));

    const TContratoStatus status = contratoStatus({ field("IS_EM_CARENCIA")->AsBoolean(),
                                                    field("DIAS_PARCELAS_EM_ABERTO")->AsInteger(),
                                                    field("IS_CANCELADO")->AsBoolean(),
                                                    field("IS_TITULAR_FALECIDO")->AsBoolean(),
                                                    field("IS_SUSPENSO")->AsBoolean(),
                                                    field("IS_QUITADO")->AsBoolean() });
    LabelStatusPlano->setText(status.Texto);
    if (status.Cor)
        RectangleColorStatus->setFillColor(TThemeApp::Instance().ColorFinanceiro().*status.Cor);
}

TContratoLegenda::TContratoLegenda(QWidget *AFooter, QWidget *AHost)
{
    const TThemeApp &theme = TThemeApp::Instance();
    const TAlphaColor background = theme.ColorApp().BackgroundColor;

    RectangleAbreLegenda = new TRectangle(AFooter, QStringLiteral("RectangleAbreLegenda"));
    RectangleAbreLegenda->setAlign(TAlignLayout::Right);
    RectangleAbreLegenda->setWidth(90);
    RectangleAbreLegenda->setMargins(0, 4, 8, 4);
    RectangleAbreLegenda->setFillColor(background);
    RectangleAbreLegenda->setStrokeColor(TAlphaColors::Null);
    RectangleAbreLegenda->setCursor(Qt::WhatsThisCursor);
    RectangleAbreLegenda->OnMouseEnter = [this](QObject *) { RectangleAbreLegendaMouseEnter(); };
    RectangleAbreLegenda->OnMouseLeave = [this](QObject *) { RectangleAbreLegendaMouseLeave(); };
    LabelLegenda = new TLabel(RectangleAbreLegenda, QStringLiteral("LabelLegenda"));
    LabelLegenda->setAlign(TAlignLayout::Client);
    LabelLegenda->setHorzAlign(TTextAlign::Center);
    LabelLegenda->setText(QStringLiteral("Legenda"));
    LabelLegenda->setHitTest(false);

    RectangleHelpLegenda = new TRectangle(AHost, QStringLiteral("RectangleHelpLegenda"));
    RectangleHelpLegenda->setFillColor(background);
    RectangleHelpLegenda->setStrokeColor(theme.ColorApp().SecondaryColor);

    struct TEntrada
    {
        TRectangle *&Quadro;
        const char *Nome;
        const char *Texto;
        TAlphaColor TColorFinanceiroApp::*Cor;
        bool FonteSecundaria;
    };
    const TEntrada entradas[] = {
        { RectangleCadastroAtivo,
          "CadastroAtivo",
          "Contrato Ativo",
          &TColorFinanceiroApp::CadastroSemPendencias,
          true },
        { RectangleCadastroCancelado,
          "CadastroCancelado",
          "Contrato Cancelado",
          &TColorFinanceiroApp::CadastroDesativado,
          true },
        { RectangleCadastroEmCarencia,
          "CadastroEmCarencia",
          "Contrato em Carência",
          &TColorFinanceiroApp::CadastroEmCarencia,
          true },
        { RectangleCadastroTitularFalecido,
          "CadastroTitularFalecido",
          "Contrato com Titular Falecido",
          &TColorFinanceiroApp::TitularFalecido,
          true },
        { RectangleCadastroParcelasAbertasSessentaDias,
          "CadastroParcelasAbertasSessentaDias",
          "Contrato com parcelas em aberto a mais de 90 dias",
          &TColorFinanceiroApp::SessentaDiasParcelasAbertas,
          true },
        { RectangleCadastroParcelasAbertasQuarentaCincoDias,
          "CadastroParcelasAbertasQuarentaCincoDias",
          "Contrato com parcelas em aberto de 60 a 89 dias",
          &TColorFinanceiroApp::QuarentaCincoDiasParcelasAbertas,
          true },
        { RectangleCadastroSuspenso,
          "CadastroSuspenso",
          "Contrato Paralisado (Inativo)",
          &TColorFinanceiroApp::CadastroSuspenso,
          false },
        { RectangleCadastroQuitado,
          "CadastroQuitado",
          "Contrato Suspenso (Quitado)",
          &TColorFinanceiroApp::CadastroQuitado,
          false },
    };
    constexpr int linha = 26;
    int y = 10;
    for (const TEntrada &entrada : entradas) {
        const QString nome = QString::fromLatin1(entrada.Nome);
        entrada.Quadro = new TRectangle(RectangleHelpLegenda, QStringLiteral("Rectangle") + nome);
        entrada.Quadro->setPosition(12, y + 3);
        entrada.Quadro->setSize(16, 16);
        entrada.Quadro->setFillColor(theme.ColorFinanceiro().*entrada.Cor);
        entrada.Quadro->setStrokeColor(TAlphaColors::Null);
        auto *texto = new TLabel(RectangleHelpLegenda, QStringLiteral("Label") + nome);
        texto->setPosition(38, y);
        texto->setSize(330, 22);
        if (entrada.FonteSecundaria)
            texto->setTextFont(theme.FontApp().SecondaryFont());
        texto->setText(QString::fromUtf8(entrada.Texto));
        y += linha;
    }
    RectangleHelpLegenda->setSize(380, y + 8);
    RectangleHelpLegenda->setVisible(false);
}

void TContratoLegenda::RectangleAbreLegendaMouseEnter()
{
    // Above the list, at the host's bottom right, where the footer's legend sits.
    QWidget *host = RectangleHelpLegenda->parentWidget();
    RectangleHelpLegenda->setPosition(host->width() - RectangleHelpLegenda->width() - 8,
                                      host->height() - RectangleHelpLegenda->height() - 48);
    RectangleHelpLegenda->setVisible(true);
    RectangleHelpLegenda->raise();
}

void TContratoLegenda::RectangleAbreLegendaMouseLeave()
{
    RectangleHelpLegenda->setVisible(false);
}
