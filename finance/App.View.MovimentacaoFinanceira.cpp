#include "App.View.MovimentacaoFinanceira.h"

#include "App.Adapter.Frame.MovimentacaoFinanceira.h"
#include "App.Lib.Exception.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.MovimentacaoFinanceira.h"
#include "App.View.Sub.TransferenciaSaldo.h"
#include "Common.Lib.Utils.h"

#include "Align.h"
#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "TabControl.h"
#include "Shapes.h"
#include "SysUtils.h"
#include "Layouts.h"

#include <QDate>
#include <QPointer>

ZUNTA_REGISTER_FORM(TFormViewMovimentacaoFinanceira)

namespace {

constexpr TAlphaColor kCorTotalGeral = 0xFF0000FF;
const QString kCarregando = QStringLiteral("Carregando");
const QString kNaoCarregado = QStringLiteral("Não foi possível carregar o valor.");

// Keys that leave the totals alone: Enter, Backspace, Shift, Control, Alt, Caps Lock, arrows.
bool teclaMantemTotais(int AKey)
{
    return AKey == 13 || AKey == 8 || AKey == 16 || AKey == 17 || AKey == 18 || AKey == 20
        || (AKey >= 37 && AKey <= 40);
}

// A caption and its value label side by side in a totals strip.
void totalField(QWidget *AParent,
                TLabel *&ATitle,
                TLabel *&AValue,
                const QString &AName,
                const QString &ACaption,
                int x)
{
    ATitle = new TLabel(AParent, QStringLiteral("LabelTitle") + AName);
    ATitle->setText(ACaption);
    ATitle->setGeometry(x, 4, 150, 36);
    AValue = new TLabel(AParent, QStringLiteral("Label") + AName);
    AValue->setGeometry(x + 150, 4, 150, 36);
    AValue->setText(textoTotalMovimentacao(0));
}

} // namespace

TTotaisPaginaMovimentacao totaisPaginaMovimentacao(TMemTable &ADataSet)
{
    TTotaisPaginaMovimentacao totais;
    if (!ADataSet.Active())
        return totais;
    for (ADataSet.First(); !ADataSet.Eof(); ADataSet.Next()) {
        const bool despesa = ADataSet.FieldByName(QStringLiteral("CODIGO_TIPO_TITULO"))
                                 ->AsString()
                                 .toUpper()
                                 .contains(u'D');
        const double valor = ADataSet.FieldByName(QStringLiteral("VALOR_BAIXA"))->AsFloat();
        if (ADataSet.FieldByName(QStringLiteral("IS_TRANSFERENCIA_SALDO"))->AsBoolean())
            (despesa ? totais.Saidas : totais.Entradas) += valor;
        else
            totais.Baixados += despesa ? -valor : valor;
    }
    return totais;
}

QString textoTotalMovimentacao(double AValor)
{
    return QStringLiteral("R$ ") + FormatFloat(QStringLiteral(",0.00"), AValor);
}

TFormViewMovimentacaoFinanceira::TFormViewMovimentacaoFinanceira(QWidget *AParent)
    : TFormBaseViewEstornoMovimentacao(QStringLiteral("TFormViewMovimentacaoFinanceira"), AParent)
{
    setWindowTitle(QStringLiteral("Movimentação Financeira"));
    ToolBarFiltros->setHeight(124);
    const TPlacement filtros(ToolBarFiltros, 20, 30);
    filtros.Field(LabelFilterListaTipoTitulo, EditFilterListaTipoTitulo, u"FilterListaTipoTitulo", 16, 8, 220);
    filtros.Field(LabelFilterDataInicial, DateEditFilterDataInicial, u"FilterDataInicial", 246, 8, 140);
    filtros.Field(LabelFilterDataFinal, DateEditFilterDataFinal, u"FilterDataFinal", 396, 8, 140);
    filtros.Field(LabelFilterPessoa, EditFilterPessoa, u"FilterPessoa", 546, 8, 300);
    filtros.Field(LabelFilterConta, EditFilterConta, u"FilterConta", 16, 64, 220);
    filtros.Field(LabelFilterEmpresa, EditFilterEmpresa, u"FilterEmpresa", 246, 64, 290);
    filtros.Field(LabelFilterListaTipoPagamento,
                  EditFilterListaTipoPagamento,
                  u"FilterListaTipoPagamento",
                  546,
                  64,
                  220);
    filtros.Field(LabelFilterUsuario, EditFilterUsuario, u"FilterUsuario", 776, 64, 220);

    // The page's totals above the paging strip, the selection's below it.
    RectangleTotaisGerais = new TRectangle(TabItemPesquisa, QStringLiteral("RectangleTotaisGerais"));
    RectangleTotaisGerais->setAlign(TAlignLayout::Bottom);
    RectangleTotaisGerais->setHeight(56);
    RectangleTotaisGerais->setStrokeColor(TAlphaColors::Null);
    totalField(RectangleTotaisGerais, LabelTitleTotalGeralBaixados, LabelTotalGeralBaixados,
               QStringLiteral("TotalGeralBaixados"), QStringLiteral("Total Baixados:"), 16);
    totalField(RectangleTotaisGerais, LabelTitleTotalGeralEntradas, LabelTotalGeralEntradas,
               QStringLiteral("TotalGeralEntradas"),
               QStringLiteral("(Transferências)\r\nTotal Entradas:"), 316);
    totalField(RectangleTotaisGerais, LabelTitleTotalGeralSaidas, LabelTotalGeralSaidas,
               QStringLiteral("TotalGeralSaidas"),
               QStringLiteral("(Transferências)\r\nTotal Saídas:"), 616);
    totalField(RectangleTotaisGerais, LabelTitleSubTotalGeralTransferencias,
               LabelSubTotalGeralTransferencias, QStringLiteral("SubTotalGeralTransferencias"),
               QStringLiteral("(Transferências)\r\nSub-Total:"), 916);
    RectangleTransferencia
        = new TRectangle(RectangleTotaisGerais, QStringLiteral("RectangleTransferencia"));
    RectangleTransferencia->setAlign(TAlignLayout::Right);
    RectangleTransferencia->setSize(149, 44);
    RectangleTransferencia->setMargins(0, 6, 16, 6);
    RectangleTransferencia->setFillColor(0xFF3594C5);
    RectangleTransferencia->setStrokeColor(TAlphaColors::Null);
    RectangleTransferencia->setCursor(Qt::PointingHandCursor);
    LabelTransferencia = new TLabel(RectangleTransferencia, QStringLiteral("LabelTransferencia"));
    LabelTransferencia->setAlign(TAlignLayout::Client);
    LabelTransferencia->setHorzAlign(TTextAlign::Center);
    LabelTransferencia->setFontColor(TAlphaColors::White);
    LabelTransferencia->setText(QStringLiteral("Transferência"));
    LabelTransferencia->setHitTest(false);
    RectangleTransferencia->OnClick = [this](QObject *) { RectangleTransferenciaClick(); };

    RectangleTotaisPagina = new TRectangle(TabItemPesquisa, QStringLiteral("RectangleTotaisPagina"));
    RectangleTotaisPagina->setAlign(TAlignLayout::Bottom);
    RectangleTotaisPagina->setHeight(44);
    RectangleTotaisPagina->setStrokeColor(TAlphaColors::Null);
    totalField(RectangleTotaisPagina, LabelTitleValorTotalBaixado, LabelValorTotalBaixado,
               QStringLiteral("ValorTotalBaixado"), QStringLiteral("Baixados:"), 16);
    totalField(RectangleTotaisPagina, LabelTitleValorTotalTransferenciaEntrada,
               LabelValorTotalTransferenciaEntrada,
               QStringLiteral("ValorTotalTransferenciaEntrada"),
               QStringLiteral("Entradas (Transf.):"), 316);
    totalField(RectangleTotaisPagina, LabelTitleValorTotalTransferenciaSaida,
               LabelValorTotalTransferenciaSaida, QStringLiteral("ValorTotalTransferenciaSaida"),
               QStringLiteral("Saídas (Transf.):"), 616);
    totalField(RectangleTotaisPagina, LabelTitleSubTotalTransferencias, LabelSubTotalTransferencias,
               QStringLiteral("SubTotalTransferencias"), QStringLiteral("Sub-Total (Transf.):"), 916);
}

TFormViewMovimentacaoFinanceira::~TFormViewMovimentacaoFinanceira() = default;

TMovimentacaoFinanceiraPresenter &TFormViewMovimentacaoFinanceira::MovimentacaoPresenter() const
{
    return static_cast<TMovimentacaoFinanceiraPresenter &>(*FPresenter);
}

void TFormViewMovimentacaoFinanceira::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TMovimentacaoFinanceiraPresenter>());
    TFormBaseViewEstornoMovimentacao::SetInfoPresenter();
}

void TFormViewMovimentacaoFinanceira::FormCreate()
{
    TFormBaseViewEstornoMovimentacao::FormCreate();
    EditPesquisar->OnKeyDown
        = [this](QObject *Sender, int &Key, QChar &KeyChar, Qt::KeyboardModifiers Shift) {
              EditPesquisarKeyDown(Sender, Key, KeyChar, Shift);
              KeyRule(Key);
          };
    ClearEditButtonPesquisar->OnClick = [this](QObject *Sender) {
        ClearEditButtonPesquisarClick(Sender);
        for (TLabel *label : { LabelValorTotalBaixado,
                               LabelValorTotalTransferenciaEntrada,
                               LabelValorTotalTransferenciaSaida,
                               LabelSubTotalTransferencias })
            label->setText(textoTotalMovimentacao(0));
    };
    // The key rule after whatever the lookups do with a key.
    for (TEdit *edit : { EditFilterListaTipoTitulo,
                         EditFilterPessoa,
                         EditFilterConta,
                         EditFilterEmpresa,
                         EditFilterListaTipoPagamento,
                         EditFilterUsuario }) {
        edit->OnKeyDown = [this, previous = edit->OnKeyDown](
                              QObject *Sender, int &Key, QChar &KeyChar, Qt::KeyboardModifiers Shift) {
            if (previous)
                previous(Sender, Key, KeyChar, Shift);
            KeyRule(Key);
        };
    }
    for (TDateEdit *edit : { DateEditFilterDataInicial, DateEditFilterDataFinal }) {
        edit->OnKeyDown = [this, previous = edit->OnKeyDown](
                              QObject *Sender, int &Key, QChar &KeyChar, Qt::KeyboardModifiers Shift) {
            if (previous)
                previous(Sender, Key, KeyChar, Shift);
            KeyRule(Key);
        };
    }
}

void TFormViewMovimentacaoFinanceira::ApplyThemeApp()
{
    TFormBaseViewEstornoMovimentacao::ApplyThemeApp();
    AddPermissionMovimentar(RectangleTransferencia);
    for (TLabel *label : totaisGerais())
        label->setFontColor(kCorTotalGeral);
}

void TFormViewMovimentacaoFinanceira::fillListFilterControl()
{
    TFormBaseViewEstornoMovimentacao::fillListFilterControl();
    const QDate hoje = QDate::currentDate();
    const QDate fimMes(hoje.year(), hoje.month(), hoje.daysInMonth());
    TManagerControl &filters = FPresenter->ManagerFilterControls();
    filters.Bind(EditFilterListaTipoTitulo, QStringLiteral("Tipo Título"))
        .IgnoreSave()
        .Upper()
        .MaxLength(50)
        .Caption(LabelFilterListaTipoTitulo)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_TITULO"));
    filters.Bind(DateEditFilterDataInicial, QStringLiteral("Data Inicial"))
        .IgnoreSave()
        .Default(DateToStr(QDateToDateTime(hoje)))
        .Caption(LabelFilterDataInicial);
    filters.Bind(DateEditFilterDataFinal, QStringLiteral("Data Final"))
        .IgnoreSave()
        .Default(DateToStr(QDateToDateTime(fimMes)))
        .Caption(LabelFilterDataFinal);
    filters.Bind(EditFilterPessoa, QStringLiteral("Favorecido"))
        .IgnoreSave()
        .Upper()
        .MaxLength(50)
        .Caption(LabelFilterPessoa)
        .Lookup(QStringLiteral("TPesquisaPessoa"));
    filters.Bind(EditFilterConta, QStringLiteral("Conta"))
        .IgnoreSave()
        .Upper()
        .MaxLength(100)
        .Caption(LabelFilterConta)
        .Lookup(QStringLiteral("TPesquisaConta"));
    filters.Bind(EditFilterEmpresa, QStringLiteral("Empresa"))
        .IgnoreSave()
        .Upper()
        .MaxLength(100)
        .Caption(LabelFilterEmpresa)
        .Lookup(QStringLiteral("TPesquisaEmpresa"));
    filters.Bind(EditFilterListaTipoPagamento, QStringLiteral("Forma de Pagamento"))
        .IgnoreSave()
        .Upper()
        .MaxLength(50)
        .Caption(LabelFilterListaTipoPagamento)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("FORMA_BAIXA_FINANCEIRA"));
    filters.Bind(EditFilterUsuario, QStringLiteral("Usuário"))
        .IgnoreSave()
        .Upper()
        .MaxLength(50)
        .Caption(LabelFilterUsuario)
        .Lookup(QStringLiteral("TPesquisaUsuario"));
}

void TFormViewMovimentacaoFinanceira::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    auto *frame = TFrameBaseAdapter::New<TMovimentacaoFinanceiraFrameAdapter>(VertScrollBoxDados, ADataSet);
    frame->ProcEstornar = [this](TFrameBaseAdapter *ARow) { ProcEstornar(ARow); };
    AFrame = frame;
    TFormBaseViewEstornoMovimentacao::fillFrameItem(ADataSet, AFrame);
}

void TFormViewMovimentacaoFinanceira::fillPaginate()
{
    TFormBaseViewEstornoMovimentacao::fillPaginate();
    CalcularValorTotalBaixado();
}

QList<TLabel *> TFormViewMovimentacaoFinanceira::totaisGerais() const
{
    return { LabelTotalGeralBaixados,
             LabelTotalGeralEntradas,
             LabelTotalGeralSaidas,
             LabelSubTotalGeralTransferencias };
}

void TFormViewMovimentacaoFinanceira::zerarTotais()
{
    for (TLabel *label : { LabelValorTotalBaixado,
                           LabelValorTotalTransferenciaEntrada,
                           LabelValorTotalTransferenciaSaida,
                           LabelSubTotalTransferencias })
        label->setText(textoTotalMovimentacao(0));
    for (TLabel *label : totaisGerais())
        label->setText(textoTotalMovimentacao(0));
}

void TFormViewMovimentacaoFinanceira::KeyRule(int AKey)
{
    if (!teclaMantemTotais(AKey))
        zerarTotais();
}

void TFormViewMovimentacaoFinanceira::CalcularValorTotalBaixado()
{
    TMemTable &dataSet = FPresenter->DataSetInfo();
    if (!dataSet.Active())
        return;
    const TTotaisPaginaMovimentacao pagina = totaisPaginaMovimentacao(dataSet);
    dataSet.First();
    LabelValorTotalBaixado->setText(textoTotalMovimentacao(pagina.Baixados));
    LabelValorTotalTransferenciaSaida->setText(textoTotalMovimentacao(pagina.Saidas));
    LabelValorTotalTransferenciaEntrada->setText(textoTotalMovimentacao(pagina.Entradas));
    LabelSubTotalTransferencias->setText(textoTotalMovimentacao(pagina.Entradas - pagina.Saidas));

    // The selection of this load, copied now: a later search does not change what is counted.
    const TSelecaoMovimentacaoFinanceira selecao = MovimentacaoPresenter().selecaoAtual();
    auto totais = std::make_shared<TTotaisMovimentacaoFinanceira>();
    auto falhou = std::make_shared<bool>(false);
    const QPointer<TFormViewMovimentacaoFinanceira> self(this);
    const auto mostrar = [self](const std::function<QString(int)> &ATexto) {
        if (!self)
            return;
        const QList<TLabel *> labels = self->totaisGerais();
        for (int index = 0; index < labels.size(); ++index)
            labels[index]->setText(ATexto(index));
    };
    TUtils::CustomThread(
        [mostrar] { mostrar([](int) { return kCarregando; }); },
        [selecao, totais, falhou] {
            // A failure shows in the labels, never as a dialog.
            try {
                *totais = TMovimentacaoFinanceiraPresenter::totalizar(selecao);
            } catch (...) {
                *falhou = true;
            }
        },
        [mostrar, totais, falhou](bool AErro) {
            if (AErro || *falhou) {
                mostrar([](int) { return kNaoCarregado; });
                return;
            }
            const double valores[] = { totais->Baixados,
                                       totais->Entradas,
                                       totais->Saidas,
                                       totais->Entradas - totais->Saidas };
            mostrar([&valores](int AIndex) { return textoTotalMovimentacao(valores[AIndex]); });
        },
        {},
        [](const QString &) {});
}

void TFormViewMovimentacaoFinanceira::ProcEstornar(TFrameBaseAdapter *AFrame)
{
    TDravikHandleException::Guard([this, AFrame] {
        requireMovimentar();
        const std::int64_t id = idMovimentacaoOf(AFrame);
        const bool outras = MovimentacaoPresenter().getExistsMessageCompl(id);
        const QString pergunta = Format(
            QStringLiteral("QUESTION:Ao estornar o lançamento, sua(s) forma(s) de baixa também "
                           "será(ão) removidas.\r\nDeseja estornar o lançamento?\r\n%s"),
            { outras ? QStringLiteral(
                           "WARNING:Existe(m) mais baixa(s) vinculada(s) para a(s) forma(s) de "
                           "baixa dessa movimentação. Se confirmar, esse(s) lançamento(s) também "
                           "será(ão) estornados.")
                     : QString() });
        if (TAppUtils::MessageSystem(pergunta) == mrNo)
            return;
        estornarMovimentacaoFinanceira(id);
    });
}

void TFormViewMovimentacaoFinanceira::RectangleTransferenciaClick()
{
    TDravikHandleException::Guard([this] {
        const std::unique_ptr<TFormSubViewTransferenciaSaldo> transferencia(
            TFormBase::Create<TFormSubViewTransferenciaSaldo>());
        double valor = 0;
        if (!TryStrToFloat(EditPesquisar->text(), valor))
            valor = 0;
        transferencia->SetValorTransferenciaSugerida(valor);
        const TItemControl *conta = FPresenter->FindItemFilterControl(QStringLiteral("EditFilterConta"));
        transferencia->SetContaOrigemSugerida(conta ? conta->Id : 0);
        const std::unique_ptr<TFormContainer> container = TFormContainer::New();
        container->SetModifyBackgroundApoio(true);
        container->SetFormView(transferencia.get(), false);
        container->Execute();
    });
    SearchEditButtonPesquisarClick(nullptr);
}
