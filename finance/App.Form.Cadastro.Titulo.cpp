#include "App.Form.Cadastro.Titulo.h"

#include "App.Adapter.Frame.Titulo.h"
#include "App.Connector.Titulo.h"
#include "App.Form.SubCadastro.EmpresaTitulo.h"
#include "App.Form.SubCadastro.ParcelaTitulo.h"
#include "App.Form.SubCadastro.PlanoContasTitulo.h"
#include "App.Interf.Form.BaixaFinanceira.h"
#include "App.Interf.Form.BaixaSimplificada.h"
#include "App.Interf.Form.CobrancaEletronica.h"
#include "App.Interf.Form.CobrancaSimplificada.h"
#include "App.Lib.Application.h"
#include "App.Lib.Exception.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.FormMenuPrint.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Theme.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.Titulo.h"
#include "App.View.Sub.OcorrenciaManual.h"

#include "CheckBox.h"
#include "DateEdit.h"
#include "DateTime.h"
#include "DateUtils.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "Layouts.h"
#include "MemTable.h"
#include "Memo.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "TabControl.h"

#include <memory>

ZUNTA_REGISTER_FORM(TFormCadastroTitulo)

namespace {

const QString TituloFormIndisponivel
    = QStringLiteral("WARNING:O formulário %s não está disponível.");

// A window of the settlement side, created by class name; a missing one raises the warning.
template<class TInterface>
std::pair<std::unique_ptr<TFormBase>, TInterface *> criarFormTitulo(const QString &AClassName)
{
    std::unique_ptr<TFormBase> form(TFormBase::CreateForm(AClassName));
    auto *interface = dynamic_cast<TInterface *>(form.get());
    if (!interface || !dynamic_cast<TFormBaseView *>(form.get()))
        throw Exception(Format(TituloFormIndisponivel, { AClassName }));
    return { std::move(form), interface };
}

void hospedarFormTitulo(TFormBase &AForm, bool AMaximizar)
{
    auto container = TFormContainer::New();
    container->SetFormView(static_cast<TFormBaseView *>(&AForm), AMaximizar);
    container->Execute();
}

TDateTime ultimoDiaDoMes(TDateTime AData)
{
    int ano = 0;
    int mes = 0;
    int dia = 0;
    DecodeDate(AData, ano, mes, dia);
    return EncodeDate(ano, mes, DaysInAMonth(ano, mes));
}

// A line of the record tab: a layout across the page at that height.
TLayout *linhaTitulo(QWidget *AParent, const QString &AName, int y)
{
    auto *linha = new TLayout(AParent, AName);
    linha->setPosition(0, y);
    linha->setSize(600, 58);
    return linha;
}

} // namespace

TFormCadastroTitulo::TFormCadastroTitulo(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroTitulo"), AParent)
{
    setWindowTitle(QStringLiteral("Título"));

    SpeedButtonTituloSimplificado
        = new TSpeedButton(ToolBarPesquisa, QStringLiteral("SpeedButtonTituloSimplificado"));
    SpeedButtonTituloSimplificado->setSize(40, 40);
    SpeedButtonTituloSimplificado->setAlign(TAlignLayout::Right);
    SpeedButtonTituloSimplificado->setStyleLookup(QStringLiteral("pagecurltoolbutton"));
    SpeedButtonTituloSimplificado->setToolTip(QStringLiteral("Título Simplificado"));
    SpeedButtonTituloSimplificado->OnClick
        = [this](QObject *) { SpeedButtonTituloSimplificadoClick(); };
    SpeedButtonNovo->OnClick = [this](QObject *Sender) { SpeedButtonNovoTituloClick(Sender); };

    ToolBarFiltros->setHeight(64);
    const TPlacement filtros(ToolBarFiltros, 18, 30);
    filtros.Field(LabelFilterListaTipoTitulo,
                  EditFilterListaTipoTitulo,
                  u"FilterListaTipoTitulo",
                  16,
                  4,
                  180);
    filtros.Field(
        LabelFilterDataInicial, DateEditFilterDataInicial, u"FilterDataInicial", 206, 4, 120);
    filtros.Field(LabelFilterDataFinal, DateEditFilterDataFinal, u"FilterDataFinal", 336, 4, 120);
    filtros.Field(LabelFilterEmpresa, EditFilterEmpresa, u"FilterEmpresa", 466, 4, 220);
    filtros.Control(CheckBoxFilterApenasBaixado, u"FilterApenasBaixado", 700, 28, 160, 22);
    CheckBoxFilterApenasBaixado->setText(QStringLiteral("Apenas Baixados"));

    RectangleButtonsFooter
        = new TRectangle(TabItemPesquisa, QStringLiteral("RectangleButtonsFooter"));
    RectangleButtonsFooter->setHeight(44);
    RectangleButtonsFooter->setAlign(TAlignLayout::Bottom);
    RectangleButtonsFooter->setStrokeColor(TAlphaColors::Null);
    RectangleBaixaFinanceira
        = new TRectangle(RectangleButtonsFooter, QStringLiteral("RectangleBaixaFinanceira"));
    RectangleBaixaFinanceira->setAlign(TAlignLayout::Right);
    RectangleBaixaFinanceira->setWidth(160);
    RectangleBaixaFinanceira->setMargins(4, 4, 8, 4);
    RectangleBaixaFinanceira->setStrokeColor(TAlphaColors::Null);
    RectangleBaixaFinanceira->setRadius(5, 5);
    RectangleBaixaFinanceira->setCursor(Qt::PointingHandCursor);
    RectangleBaixaFinanceira->OnClick = [this](QObject *) { RectangleBaixaFinanceiraClick(); };
    LabelBaixaFinanceira
        = new TLabel(RectangleBaixaFinanceira, QStringLiteral("LabelBaixaFinanceira"));
    LabelBaixaFinanceira->setAlign(TAlignLayout::Client);
    LabelBaixaFinanceira->setHorzAlign(TTextAlign::Center);
    LabelBaixaFinanceira->setText(QStringLiteral("Baixa Financeira"));
    LabelBaixaFinanceira->setHitTest(false);

    QWidget *page = VertScrollBoxControls->content();
    LayoutLinha1 = linhaTitulo(page, QStringLiteral("LayoutLinha1"), 8);
    const TPlacement linha1(LayoutLinha1, 18, 30);
    linha1.Field(LabelData, DateEditData, u"Data", 8, 0, 140);
    linha1.Field(LabelListaTipoTitulo, EditListaTipoTitulo, u"ListaTipoTitulo", 158, 0, 260);
    linha1.Field(LabelDataVencimento, DateEditDataVencimento, u"DataVencimento", 428, 0, 149);
    LayoutLinha2 = linhaTitulo(page, QStringLiteral("LayoutLinha2"), 66);
    const TPlacement linha2(LayoutLinha2, 18, 30);
    linha2.Field(LabelTipoDocumento, EditTipoDocumento, u"TipoDocumento", 8, 0, 569);
    LayoutLinha3 = linhaTitulo(page, QStringLiteral("LayoutLinha3"), 124);
    const TPlacement linha3(LayoutLinha3, 18, 30);
    linha3.Field(LabelPessoa, EditPessoa, u"Pessoa", 8, 0, 569);
    LayoutLinha4 = linhaTitulo(page, QStringLiteral("LayoutLinha4"), 182);
    const TPlacement linha4(LayoutLinha4, 18, 30);
    linha4.Field(LabelNumeroDocumento, EditNumeroDocumento, u"NumeroDocumento", 8, 0, 170);
    linha4.Field(LabelValor, EditValor, u"Valor", 188, 0, 120);
    linha4.Field(
        LabelDocumentoPagamento, EditDocumentoPagamento, u"DocumentoPagamento", 318, 0, 160);
    linha4.Field(
        LabelQuantidadeParcelas, EditQuantidadeParcelas, u"QuantidadeParcelas", 488, 0, 89);
    LayoutLinha5 = linhaTitulo(page, QStringLiteral("LayoutLinha5"), 240);
    LayoutLinha5->setHeight(110);
    const TPlacement linha5(LayoutLinha5, 18, 30);
    LabelDescricao = linha5.Caption(QStringLiteral("LabelDescricao"), 8, 0);
    linha5.Control(MemoDescricao, u"Descricao", 8, 18, 569, 86);
    LayoutLinha6 = linhaTitulo(page, QStringLiteral("LayoutLinha6"), 356);
    const TPlacement linha6(LayoutLinha6, 18, 30);
    linha6.Field(LabelPlanoContas, EditPlanoContas, u"PlanoContas", 8, 0, 569);
    LayoutLinha7 = linhaTitulo(page, QStringLiteral("LayoutLinha7"), 414);
    const TPlacement linha7(LayoutLinha7, 18, 30);
    linha7.Field(LabelEmpresa, EditEmpresa, u"Empresa", 8, 0, 569);
}

TFormCadastroTitulo::~TFormCadastroTitulo() = default;

TTituloPresenter &TFormCadastroTitulo::presenter() const
{
    return static_cast<TTituloPresenter &>(*FPresenter);
}

void TFormCadastroTitulo::FormCreate()
{
    FormEmpresaTitulo = TFormBase::Create<TFormSubCadastroEmpresaTitulo>(this);
    FormParcelaTitulo = TFormBase::Create<TFormSubCadastroParcelaTitulo>(this);
    FormPlanoContasTitulo = TFormBase::Create<TFormSubCadastroPlanoContasTitulo>(this);
    RegisterSubCadastro(FormEmpresaTitulo);
    RegisterSubCadastro(FormParcelaTitulo);
    RegisterSubCadastro(FormPlanoContasTitulo);
    TFormBaseCadastro::FormCreate();
    FListFillDados->AddFrameList(FormEmpresaTitulo->FrameList())
        .AddFrameList(FormParcelaTitulo->FrameList())
        .AddFrameList(FormPlanoContasTitulo->FrameList());
}

void TFormCadastroTitulo::SetInfoPresenter()
{
    auto titulo = TBasePresenter::Create<TTituloPresenter>();
    TTituloConnector::New(FormEmpresaTitulo->PresenterSubCadastro(),
                          FormParcelaTitulo->PresenterSubCadastro(),
                          FormPlanoContasTitulo->PresenterSubCadastro())
        .SetPresenterTitulo(titulo.get())
        .SetDataSetEmpresaTitulo(&FormEmpresaTitulo->DataSetSubCadastro())
        .SetDataSetParcelaTitulo(&FormParcelaTitulo->DataSetSubCadastro())
        .SetDataSetPlanoContasTitulo(&FormPlanoContasTitulo->DataSetSubCadastro());
    SetPresenter(std::move(titulo));
    SetIsComplexPost(true);
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroTitulo::enablePanelFilter()
{
    TFormBaseCadastro::enablePanelFilter();
    FEnabledPanelFilter = true;
}

void TFormCadastroTitulo::fillListFilterControl()
{
    TFormBaseCadastro::fillListFilterControl();
    TManagerControl &filtros = FPresenter->ManagerFilterControls();
    filtros.Bind(EditFilterListaTipoTitulo, QStringLiteral("Tipo Título"))
        .Upper()
        .MaxLength(50)
        .Caption(LabelFilterListaTipoTitulo)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_TITULO"));
    filtros.Bind(DateEditFilterDataInicial, QStringLiteral("Data Inicial"))
        .Default(DateToStr(Date()))
        .Caption(LabelFilterDataInicial);
    filtros.Bind(DateEditFilterDataFinal, QStringLiteral("Data Final"))
        .Default(DateToStr(ultimoDiaDoMes(Date())))
        .Caption(LabelFilterDataFinal);
    filtros.Bind(CheckBoxFilterApenasBaixado, QStringLiteral("Apenas Baixados"))
        .Default(QStringLiteral("FALSE"));
    const std::int64_t idEmpresa = TApplicationZunta::GetInstance().EmpresaLogado().Id;
    filtros.Bind(EditFilterEmpresa, QStringLiteral("Empresa"))
        .Upper()
        .Caption(LabelFilterEmpresa)
        .Default(idEmpresa != 0 ? QString::number(idEmpresa) : QString())
        .Lookup(QStringLiteral("TPesquisaEmpresa"));
}

void TFormCadastroTitulo::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    const QString hoje = DateToStr(Date());
    manager.Bind(EditListaTipoTitulo, QStringLiteral("Tipo Título"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaTipoTitulo)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_TITULO"))
        .OnChange([this](QObject *) {
            // A chart-of-accounts entry chosen for the other type no longer fits.
            if (FPresenter)
                if (TItemControl *plano
                    = FPresenter->FindItemControl(EditPlanoContas->objectName()))
                    plano->Clear();
        });
    manager.Bind(DateEditData, QStringLiteral("Data"))
        .Required()
        .MaxLength(10)
        .Default(hoje)
        .Caption(LabelData);
    manager.Bind(DateEditDataVencimento, QStringLiteral("Data Vencimento"))
        .Required()
        .IgnoreSave()
        .MaxLength(10)
        .Default(hoje)
        .Caption(LabelDataVencimento);
    manager.Bind(EditTipoDocumento, QStringLiteral("Tipo Documento"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelTipoDocumento)
        .Lookup(QStringLiteral("TPesquisaTipoDocumento"));
    manager.Bind(EditPessoa, QStringLiteral("Favorecido"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelPessoa)
        .Lookup(QStringLiteral("TPesquisaPessoa"))
        .Cadastro(QStringLiteral("TFormCadastroPessoa"));
    // Computed once: every new title of this window proposes the same number.
    const TDateTime agora = Now();
    manager.Bind(EditNumeroDocumento, QStringLiteral("Número Documento"))
        .Required()
        .Upper()
        .MaxLength(30)
        .Default(QStringLiteral("DOC-") + FormatDateTime(QStringLiteral("yyyymmdd"), agora) + u'.'
                 + FormatDateTime(QStringLiteral("hhss"), agora))
        .Caption(LabelNumeroDocumento);
    manager.Bind(EditValor, QStringLiteral("Valor"))
        .Required()
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .MaxLength(15)
        .Caption(LabelValor);
    manager.Bind(EditDocumentoPagamento, QStringLiteral("Documento de Pagamento"))
        .Required()
        .IgnoreSave()
        .Upper()
        .MaxLength(30)
        .Caption(LabelDocumentoPagamento);
    manager.Bind(EditQuantidadeParcelas, QStringLiteral("Qtd. Parcelas"))
        .IgnoreSave()
        .DigitsOnly()
        .MaxLength(5)
        .Default(QStringLiteral("1"))
        .Caption(LabelQuantidadeParcelas);
    manager.Bind(MemoDescricao, QStringLiteral("Descrição"))
        .Required()
        .Upper()
        .MaxLength(1000)
        .Caption(LabelDescricao);
    manager.Bind(EditEmpresa, QStringLiteral("Empresa"))
        .Required()
        .IgnoreSave()
        .Upper()
        .MaxLength(100)
        .Caption(LabelEmpresa)
        .Lookup(QStringLiteral("TPesquisaEmpresa"));
    manager.Bind(EditPlanoContas, QStringLiteral("Plano de Contas"))
        .Required()
        .IgnoreSave()
        .Upper()
        .MaxLength(100)
        .Caption(LabelPlanoContas)
        .Lookup(QStringLiteral("TPesquisaPlanoContas"))
        .BeforeSearch([this](TItemControl *AItem) {
            FTipoTitulo = codigoTipoTitulo();
            AItem->ValueFixFilter
                = TFormSubCadastroPlanoContasTitulo::FiltroPlanoContas(FTipoTitulo);
        });
}

void TFormCadastroTitulo::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditListaTipoTitulo,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(
        QStringLiteral("Parcelas"),
        FormParcelaTitulo,
        [this] {
            FormParcelaTitulo->SetValorTitulo(valorTitulo());
            OpenNewRecord(FormParcelaTitulo->DataSetSubCadastro(), FormParcelaTitulo, true);
        },
        false,
        false);
    AddSubCadastro(
        QStringLiteral("Empresas"),
        FormEmpresaTitulo,
        [this] {
            FormEmpresaTitulo->SetValorTitulo(valorTitulo());
            OpenNewRecord(FormEmpresaTitulo->DataSetSubCadastro(), FormEmpresaTitulo, false);
        },
        false,
        false);
    AddSubCadastro(
        QStringLiteral("Plano Contas"),
        FormPlanoContasTitulo,
        [this] {
            FormPlanoContasTitulo->SetTipoTitulo(codigoTipoTitulo());
            FormPlanoContasTitulo->SetValorTitulo(valorTitulo());
            OpenNewRecord(
                FormPlanoContasTitulo->DataSetSubCadastro(), FormPlanoContasTitulo, false);
        },
        false,
        false);
}

QString TFormCadastroTitulo::codigoTipoTitulo() const
{
    const TItemControl *tipo = FPresenter->FindItemControl(EditListaTipoTitulo->objectName());
    return tipo && tipo->Id != 0 ? tipo->OtherInfo : QString();
}

double TFormCadastroTitulo::valorTitulo() const
{
    return TUtils::StrEmptyToFloat(EditValor->text());
}

void TFormCadastroTitulo::OpenNewRecord(TMemTable &ADataSet,
                                        TFormBaseMetodoCadastro *AForm,
                                        bool AIsParcela)
{
    if ((ADataSet.Active() && ADataSet.RecordCount() > 0) || !AForm->IsListTabActive())
        return;
    const double valor = valorTitulo();
    if (AIsParcela && valor > 0
        && TAppUtils::MessageSystem(Format(QStringLiteral("QUESTION:Deseja realizar %s?"),
                                           { QStringLiteral("o parcelamento do título") }))
            == mrYes) {
        auto [form, cobranca] = criarFormTitulo<IFormSubViewCobrancaSimplificada>(
            QStringLiteral("TFormSubViewCobrancaSimplificada"));
        cobranca->SetApenasQuantidadeParcelas(true);
        hospedarFormTitulo(*form, false);
        const int quantidade = cobranca->QuantidadeParcelas();
        const std::vector<double> valores = TTituloPresenter::DividirValor(valor, quantidade);
        if (!ADataSet.Active())
            ADataSet.CreateDataSet();
        const TDateTime hoje = Date();
        for (int i = 1; i <= quantidade; ++i) {
            ADataSet.Append();
            ADataSet.FieldByName(QStringLiteral("PARCELA"))->SetAsInteger(i);
            ADataSet.FieldByName(QStringLiteral("VENCIMENTO"))->SetAsDateTime(hoje + 30.0 * i);
            ADataSet.FieldByName(QStringLiteral("VALOR"))->SetAsFloat(valores[std::size_t(i - 1)]);
            ADataSet.Post();
        }
        FormParcelaTitulo->executeFillDadosSubCadastro(false);
        return;
    }
    if (TAppUtils::MessageSystem(QStringLiteral("QUESTION:Deseja inserir um novo registro?"))
        == mrYes)
        AForm->SpeedButtonNovoClick(nullptr);
}

void TFormCadastroTitulo::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    auto *frame = TFrameBaseAdapter::New<TTituloFrameAdapter>(VertScrollBoxDados, ADataSet);
    frame->ProcCheckBoxMarcar = [this](TFrameBaseAdapter *AItem) { marcarParcela(AItem); };
    frame->ProcMenuLateral = [this](TFrameBaseAdapter *AItem) { menuLateral(AItem); };
    frame->ProcExcluir = [this](TFrameBaseAdapter *AItem) { procExcluirFrame(AItem); };
    AFrame = frame;
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroTitulo::marcarParcela(TFrameBaseAdapter *AFrame)
{
    auto *frame = qobject_cast<TTituloFrameAdapter *>(AFrame);
    if (!frame)
        return;
    if (frame->CheckBoxMarcar->isChecked())
        FListaIdsMarcados[frame->IdParcelaTitulo] = frame->CodigoTipoTitulo;
    else
        FListaIdsMarcados.erase(frame->IdParcelaTitulo);
}

void TFormCadastroTitulo::RectangleBaixaFinanceiraClick()
{
    TDravikHandleException::Guard([this] {
        if (!FPermissionMovimentar)
            throw Exception(
                QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso."));
        if (CheckBoxFilterApenasBaixado->isChecked())
            throw Exception(Format(QStringLiteral("WARNING:Remova o filtro %s para prosseguir."),
                                   { QStringLiteral("Apenas Baixados") }));
        QString tipo;
        TListInt64 ids;
        for (const auto &[id, codigo] : FListaIdsMarcados) {
            if (!ids.empty() && codigo != tipo)
                throw Exception(
                    Format(QStringLiteral("WARNING:Preencha o filtro %s para prosseguir."),
                           { QStringLiteral("Tipo do Título") }));
            tipo = codigo;
            ids.push_back(id);
        }
        auto [form, baixa] = criarFormTitulo<IFormSubViewBaixaFinanceira>(
            QStringLiteral("TFormSubViewBaixaFinanceira"));
        baixa->SetParcelasBaixa(ids, tipo);
        baixa->PrepararBaixa();
        hospedarFormTitulo(*form, true);
        const bool baixou = baixa->BaixaRealizada();
        form.reset();
        if (baixou)
            SearchEditButtonPesquisarClick(nullptr);
    });
}

void TFormCadastroTitulo::menuLateral(TFrameBaseAdapter *AFrame)
{
    auto *frame = qobject_cast<TTituloFrameAdapter *>(AFrame);
    if (!frame)
        return;
    FIdParcelaTitulo = frame->IdParcelaTitulo;
    FTipoTitulo = frame->CodigoTipoTitulo;
    FIsBaixadoTotal = frame->IsBaixadoTotal;
    TFormMenuPrint::New()
        .TitleMenu(frame->LabelDescricao->text() + QStringLiteral(" - ")
                   + frame->LabelNumeroDocumento->text())
        .AddButton(QStringLiteral("Ações"), true)
        .AddButton(QStringLiteral("Visualizar Boleto"),
                   [this](QObject *) { clickVisualizarBoleto(); })
        .AddButton(QStringLiteral("Gerar Boleto"), [this](QObject *) { clickGerarBoleto(); })
        .SetCloseAfterClick(true)
        .Execute();
}

void TFormCadastroTitulo::clickVisualizarBoleto()
{
    TDravikHandleException::Guard([this] {
        auto [form, cobranca] = criarFormTitulo<IFormSubViewCobrancaEletronica>(
            QStringLiteral("TFormSubViewCobrancaEletronica"));
        cobranca->SetIdParcelaTitulo(FIdParcelaTitulo);
        hospedarFormTitulo(*form, false);
    });
}

void TFormCadastroTitulo::clickGerarBoleto()
{
    if (TAppUtils::MessageSystem(QStringLiteral("QUESTION:Confirma gerar o boleto de cobrança?"))
        == mrNo)
        return;
    const std::int64_t idParcela = FIdParcelaTitulo;
    const bool receita = FTipoTitulo == QLatin1String("R");
    const bool baixado = FIsBaixadoTotal;
    TTituloPresenter *titulo = &presenter();
    RunLongAction([titulo, idParcela, receita, baixado] {
        if (baixado)
            throw Exception(QStringLiteral("WARNING:Título já baixado."));
        if (!receita)
            throw Exception(QStringLiteral("WARNING:O título selecionado não é do tipo receita."));
        titulo->GerarBoleto(idParcela);
    });
}

void TFormCadastroTitulo::procExcluirFrame(TFrameBaseAdapter *AFrame)
{
    if (!AFrame)
        return;
    const std::int64_t id = TUtils::StrEmptyToInt64(AFrame->TagString);
    if (TAppUtils::MessageSystem(Format(QStringLiteral("QUESTION:Deseja realizar a %s?"),
                                        { QStringLiteral("exclusão do título") }))
        != mrYes)
        return;
    QString observacao;
    TDravikHandleException::Guard([this, &observacao] {
        std::unique_ptr<TFormSubViewOcorrenciaManual> view(
            TFormBase::Create<TFormSubViewOcorrenciaManual>());
        view->SetSomenteLeitura(false);
        view->SetNaoMostrarMensagem(true);
        view->LabelTitleOcorrencia->setText(
            QStringLiteral("PARA PROSSEGUIR É NECESSÁRIO INCLUIR A OCORRÊNCIA MANUAL DO MOTIVO "
                           "DE CANCELAMENTO DESSA PARCELA"));
        // The instruction is longer than the view is wide.
        view->LabelTitleOcorrencia->setWordWrap(true);
        view->LabelTitleOcorrencia->setFontSize(15);
        view->LabelTitleOcorrencia->setHeight(56);
        TFormSubViewOcorrenciaManual *shown = view.get();
        view->SetProcSalvar(
            [shown, &observacao] { observacao = shown->MemoOcorrencia->linesText(); });
        auto container = TFormContainer::New();
        container->SetModifyBackgroundApoio(false);
        container->SetFormView(view.get(), false);
        container->Execute();
    });
    TTituloPresenter *titulo = &presenter();
    RunLongAction([titulo, id, observacao] { titulo->RemoveTitulo(id, observacao); },
                  [this] {
                      TAppUtils::MessageSystem(
                          QStringLiteral("SUCCESSOperação realizada com sucesso."));
                      SearchEditButtonPesquisarClick(nullptr);
                  });
}

void TFormCadastroTitulo::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditListaTipoTitulo);
}

void TFormCadastroTitulo::fillTopText()
{
    LabelTopText->setText(EditPessoa->text());
}

void TFormCadastroTitulo::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    FormEmpresaTitulo->ClearSubForm(true, true);
    FormParcelaTitulo->ClearSubForm(true, true);
    FormPlanoContasTitulo->ClearSubForm(true, true);
    aplicarLayoutModo();
}

void TFormCadastroTitulo::aplicarLayoutModo()
{
    const bool simplificado = FIsTituloSimplificado;
    LayoutGrupos->setVisible(!simplificado);
    LayoutLinha6->setVisible(simplificado);
    LayoutLinha7->setVisible(simplificado);
    for (QWidget *control : { static_cast<QWidget *>(DateEditDataVencimento),
                              static_cast<QWidget *>(EditDocumentoPagamento),
                              static_cast<QWidget *>(EditQuantidadeParcelas) })
        if (TItemControl *item = FPresenter->FindItemControl(control->objectName()))
            item->SetVisible(simplificado);
    const std::int64_t idEmpresa = TApplicationZunta::GetInstance().EmpresaLogado().Id;
    if (TItemControl *empresa = FPresenter->FindItemControl(EditEmpresa->objectName()))
        if (idEmpresa != 0)
            empresa->SetValueControl(QString::number(idEmpresa));
}

void TFormCadastroTitulo::sairModoSimplificado()
{
    FIsTituloSimplificado = false;
}

void TFormCadastroTitulo::fillPaginate()
{
    TFormBaseCadastro::fillPaginate();
    FListaIdsMarcados.clear();
}

void TFormCadastroTitulo::executeNovo(QObject *Sender)
{
    TFormBaseCadastro::executeNovo(Sender);
    presenter().SetIsBaixadoTotal(false);
}

void TFormCadastroTitulo::executeEditar(QObject *Sender)
{
    sairModoSimplificado();
    TFormBaseCadastro::executeEditar(Sender);
    if (auto *frame = qobject_cast<TTituloFrameAdapter *>(Sender))
        presenter().SetIsBaixadoTotal(frame->IsBaixadoTotal);
}

void TFormCadastroTitulo::executeVisualizar(QObject *Sender)
{
    sairModoSimplificado();
    TFormBaseCadastro::executeVisualizar(Sender);
}

void TFormCadastroTitulo::SpeedButtonNovoTituloClick(QObject *Sender)
{
    sairModoSimplificado();
    SpeedButtonNovoClick(Sender);
}

void TFormCadastroTitulo::SpeedButtonTituloSimplificadoClick()
{
    if (!FPermissionInserir)
        return;
    LayoutEdicao->setVisible(false);
    SpeedButtonNovoClick(nullptr);
    LayoutEdicao->setVisible(true);
    FIsTituloSimplificado = true;
    aplicarLayoutModo();
}

void TFormCadastroTitulo::beforeSave()
{
    TFormBaseCadastro::beforeSave();
    if (FIsTituloSimplificado) {
        const std::int64_t idEmpresa = FPresenter->FindItemControl(EditEmpresa->objectName())->Id;
        const std::int64_t idPlanoContas
            = FPresenter->FindItemControl(EditPlanoContas->objectName())->Id;
        const TDateTime vencimento = StrToDate(DateEditDataVencimento->text());
        const QString documento = EditDocumentoPagamento->text().trimmed();
        const int quantidade = EditQuantidadeParcelas->text().trimmed().isEmpty()
            ? 0
            : TUtils::StrEmptyToInteger(EditQuantidadeParcelas->text());
        if (quantidade <= 0)
            throw Exception(Format(
                QStringLiteral("WARNING:Não é permitido valor negativo ou zerado no campo %s."),
                { QStringLiteral("quantidade de parcelas") }));
        // "Valor" holds the instalment's value and keeps it, so a save tried again after a
        // refusal sends the same total.
        const double total
            = TUtils::FormatDouble(valorTitulo() * static_cast<double>(quantidade), 2);
        presenter().AddInformationTituloSimplificado(
            idEmpresa, idPlanoContas, vencimento, total, documento, quantidade);
    }
    presenter().SetGerarBoletos(false);
    if (codigoTipoTitulo() == QLatin1String("R")
        && TAppUtils::MessageSystem(QStringLiteral("QUESTION:Deseja gerar os boletos de cobrança?"))
            == mrYes)
        presenter().SetGerarBoletos(true);
}

void TFormCadastroTitulo::afterSave()
{
    FIdTituloSalvo = TUtils::StrEmptyToInt64(EditID->text());
    TFormBaseCadastro::afterSave();
    if (!FIsTituloSimplificado
        || TAppUtils::MessageSystem(Format(QStringLiteral("QUESTION:Deseja realizar a %s?"),
                                           { QStringLiteral("baixa da parcela") }))
            != mrYes)
        return;
    TDravikHandleException::Guard([this] {
        auto [form, baixa] = criarFormTitulo<IFormViewBaixaSimplificada>(
            QStringLiteral("TFormViewBaixaSimplificada"));
        baixa->SetTituloSimplificado(FIdTituloSalvo);
        hospedarFormTitulo(*form, false);
    });
}

void TFormCadastroTitulo::ApplyThemeApp()
{
    TFormBaseCadastro::ApplyThemeApp();
    const TThemeApp &theme = TApplicationZunta::GetInstance().ThemeApp();
    RectangleBaixaFinanceira->setFillColor(theme.ColorApp().SecondaryColor);
    LabelBaixaFinanceira->setTextFont(theme.FontApp().SecondaryFont());
    LabelBaixaFinanceira->setFontColor(theme.ColorApp().TextSecondaryColor);
}
