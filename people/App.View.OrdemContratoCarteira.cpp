#include "App.View.OrdemContratoCarteira.h"

#include "App.Adapter.Frame.OrdemContratoCarteira.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.OrdemContratoCarteira.h"

#include "CheckBox.h"
#include "Edit.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "Layouts.h"

#include <QPointer>

ZUNTA_REGISTER_FORM(TFormViewOrdemContratoCarteira)

TFormViewOrdemContratoCarteira::TFormViewOrdemContratoCarteira(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormViewOrdemContratoCarteira"), AParent)
{
    setWindowTitle(QStringLiteral("ORDENAR CONTRATOS PELA CARTEIRA"));
    // The update's click is set before the move permission takes the button over (while the
    // window settles its permissions), so a user without that permission cannot run it.
    SpeedButtonNovo->OnClick = [this](QObject *ASender) { SpeedButtonNovoClick(ASender); };
    ToolBarFiltros->setHeight(72);
    const TPlacement filtros(ToolBarFiltros, 24, 32);
    filtros.Field(LabelFilterColaborador, EditFilterColaborador, u"FilterColaborador", 16, 8, 240);
    filtros.Field(LabelFilterBairro, EditFilterBairro, u"FilterBairro", 266, 8, 220);
    filtros.Field(LabelFilterCarteira, EditFilterCarteira, u"FilterCarteira", 496, 8, 220);
    filtros.Field(LabelFilterDiaVencimentoInicial,
                  EditFilterDiaVencimentoInicial,
                  u"FilterDiaVencimentoInicial",
                  726,
                  8,
                  170);
    filtros.Field(LabelFilterDiaVencimentoFinal,
                  EditFilterDiaVencimentoFinal,
                  u"FilterDiaVencimentoFinal",
                  906,
                  8,
                  170);
    CheckBoxFilterApenasContratosAtivos
        = new TCheckBox(ToolBarFiltros, QStringLiteral("CheckBoxFilterApenasContratosAtivos"));
    CheckBoxFilterApenasContratosAtivos->setText(QStringLiteral("Apenas contratos ativos"));
    CheckBoxFilterApenasContratosAtivos->setGeometry(1090, 34, 200, 19);
}

TFormViewOrdemContratoCarteira::~TFormViewOrdemContratoCarteira() = default;

void TFormViewOrdemContratoCarteira::SetInfoPresenter()
{
    const QString classe = QStringLiteral("TContratoPresenter");
    std::unique_ptr<TBasePresenter> presenter = TBasePresenter::CreatePresenter(classe);
    m_contratos = dynamic_cast<IOrdemContratoCarteiraContratoPresenter *>(presenter.get());
    if (!m_contratos)
        throw Exception(Format(QStringLiteral("WARNING:A janela %s não está disponível: a classe "
                                              "%s não está registrada."),
                               { windowTitle(), classe }));
    m_contratos->SetOrdenacaoCarteira(true);
    SetPresenter(std::move(presenter));
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormViewOrdemContratoCarteira::FormCreate()
{
    TFormBaseCadastro::FormCreate();
    HideEdicao();
    SpeedButtonNovo->setVisible(true);
    SpeedButtonNovo->setStyleLookup(QStringLiteral("refreshtoolbutton"));

    m_ordem = TBasePresenter::Create<TOrdemContratoCarteiraPresenter>();
    m_ordem->DataSetContrato = &FPresenter->DataSetInfo();
    m_ordem->PresenterContrato = m_contratos;
    FFrameList->SetProcBeforeFillFrame(
        [this] { OrdenarContratosCarteira(FPresenter->DataSetInfo()); });
    // A renumbering rebuilds the rows from the table without asking the back end.
    m_ordem->ProcReloadDados = [this] {
        FFrameList->ClearList();
        FFrameList->SetDataSetToFrame(true);
    };
}

void TFormViewOrdemContratoCarteira::ApplyThemeApp()
{
    TFormBaseCadastro::ApplyThemeApp();
    AddPermissionMovimentar(SpeedButtonNovo);
}

void TFormViewOrdemContratoCarteira::enablePanelFilter()
{
    TFormBaseCadastro::enablePanelFilter();
    FEnabledPanelFilter = true;
}

void TFormViewOrdemContratoCarteira::fillListFilterControl()
{
    TFormBaseCadastro::fillListFilterControl();
    TManagerControl &filters = FPresenter->ManagerFilterControls();
    filters.Bind(EditFilterColaborador, QStringLiteral("Cobrador"))
        .IgnoreSave()
        .Upper()
        .MaxLength(100)
        .Caption(LabelFilterColaborador)
        .Lookup(QStringLiteral("TPesquisaColaborador"));
    filters.Bind(EditFilterBairro, QStringLiteral("Bairro"))
        .IgnoreSave()
        .Upper()
        .MaxLength(100)
        .Caption(LabelFilterBairro)
        .Lookup(QStringLiteral("TPesquisaBairro"));
    filters.Bind(EditFilterCarteira, QStringLiteral("Carteira"))
        .IgnoreSave()
        .Upper()
        .MaxLength(100)
        .Caption(LabelFilterCarteira)
        .Lookup(QStringLiteral("TPesquisaCarteira"));
    filters.Bind(EditFilterDiaVencimentoInicial, QStringLiteral("Dia de Vencimento Inicial"))
        .IgnoreSave()
        .Caption(LabelFilterDiaVencimentoInicial);
    filters.Bind(EditFilterDiaVencimentoFinal, QStringLiteral("Dia de Vencimento Final"))
        .IgnoreSave()
        .Caption(LabelFilterDiaVencimentoFinal);
    filters.Bind(CheckBoxFilterApenasContratosAtivos, QStringLiteral("Apenas contratos ativos"))
        .IgnoreSave()
        .Default(QStringLiteral("TRUE"))
        .Disabled();
}

void TFormViewOrdemContratoCarteira::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    auto *frame = new TOrdemContratoCarteiraFrameAdapter(VertScrollBoxDados);
    const auto texto = [&ADataSet](const char *AColumn) {
        return ADataSet.FieldByName(QLatin1String(AColumn))->DisplayText();
    };
    frame->LabelTitular->setText(texto("TITULAR"));
    frame->LabelNumeroContrato->setText(texto("CODIGO"));
    frame->EditOrdem->setText(texto("ORDEM_COBRANCA"));
    frame->LabelEndereco->setText(
        texto("LOGRADOURO").isEmpty() ? QString()
                                      : texto("LOGRADOURO") + QStringLiteral(", ") + texto("NUMERO")
                + QStringLiteral(", ") + texto("BAIRRO") + QStringLiteral(", ") + texto("MUNICIPIO")
                + QStringLiteral(" - ") + texto("UF"));
    TOrdemContratoCarteiraPresenter *ordem = m_ordem.get();
    frame->SetProcMoveUp([ordem](TFrameBaseAdapter *AFrame) { ordem->ProcMoveUpClick(AFrame); });
    frame->SetProcMoveDown(
        [ordem](TFrameBaseAdapter *AFrame) { ordem->ProcMoveDownClick(AFrame); });
    frame->SetProcAlterarOrdem(
        [ordem](TFrameBaseAdapter *AFrame) { ordem->ProcAlterarOrdemClick(AFrame); });
    frame->SetProcResetOrdem([ordem](TFrameBaseAdapter *AFrame) { ordem->ProcResetOrdem(AFrame); });
    AFrame = frame;
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormViewOrdemContratoCarteira::executeFillDados()
{
    const auto escolhido = [this](const char *AName) {
        const TItemControl *item
            = FPresenter->ManagerFilterControls().FindItemControl(QLatin1String(AName));
        return item && item->ValueControl().toLongLong() != 0;
    };
    if (!escolhido("EditFilterColaborador") && !escolhido("EditFilterCarteira"))
        throw Exception(Format(
            QStringLiteral("WARNING:Não é possível realizar a pesquisa sem um filtro de %s ativo."),
            { QStringLiteral("carteira ou cobrador") }));
    TFormBaseCadastro::executeFillDados();
}

void TFormViewOrdemContratoCarteira::SpeedButtonNovoClick(QObject *Sender)
{
    (void)Sender;
    if (TAppUtils::MessageSystem(
            Format(QStringLiteral("QUESTION:Confirma gerar %s?"),
                   { QStringLiteral("a atualização das ordens de cobrança?") }))
        != mrYes)
        return;
    TOrdemContratoCarteiraPresenter *ordem = m_ordem.get();
    const QPointer<TFormViewOrdemContratoCarteira> self(this);
    // A refusal is shown by the long action, which then leaves the list as it is.
    RunLongAction([ordem] { ordem->AtualizarOrdemContratos(); },
                  [self] {
                      // The list then shows the orders as the back end stored them.
                      if (self)
                          self->executePesquisa();
                  });
}
