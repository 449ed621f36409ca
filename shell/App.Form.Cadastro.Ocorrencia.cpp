#include "App.Form.Cadastro.Ocorrencia.h"

#include "App.Adapter.Frame.Ocorrencia.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Presenter.Ocorrencia.h"
#include "App.View.Sub.OcorrenciaManual.h"

#include "CheckBox.h"
#include "DateEdit.h"
#include "Align.h"
#include "Edit.h"
#include "Label.h"
#include "Layouts.h"
#include "Memo.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include <memory>

ZUNTA_REGISTER_FORM(TFormCadastroOcorrencia)

namespace {

TLabel *newCaption(QWidget *AParent, const QString &AName, const QString &AText, int x)
{
    auto *label = new TLabel(AParent, AName);
    label->setText(AText);
    label->setPosition(x, 48);
    label->setAutoSize(true);
    return label;
}

// A filter control on the line below the captions.
void place(QWidget *AControl, int x, int AWidth)
{
    SetPosition(AControl, QPoint(x, 72));
    SetSize(AControl, QSize(AWidth, 32));
}

} // namespace

TFormCadastroOcorrencia::TFormCadastroOcorrencia(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroOcorrencia"), AParent)
{
    setWindowTitle(QStringLiteral("OCORRÊNCIAS"));

    // The filter bar: the check box on its own line, the captions and their controls below.
    ToolBarFiltros->setHeight(105);
    CheckBoxFilterSomenteDelete
        = new TCheckBox(ToolBarFiltros, QStringLiteral("CheckBoxFilterSomenteDelete"));
    CheckBoxFilterSomenteDelete->setText(QStringLiteral("Somente Exclusões"));
    CheckBoxFilterSomenteDelete->setPosition(16, 16);
    CheckBoxFilterSomenteDelete->setSize(200, 22);

    LabelFilterPeriodoDataInicial = newCaption(ToolBarFiltros,
                                               QStringLiteral("LabelFilterPeriodoDataInicial"),
                                               QStringLiteral("Período Inicial"),
                                               16);
    DateEditFilterPeriodoDataInicial
        = new TDateEdit(ToolBarFiltros, QStringLiteral("DateEditFilterPeriodoDataInicial"));
    place(DateEditFilterPeriodoDataInicial, 16, 120);

    LabelFilterPeriodoDataFinal = newCaption(ToolBarFiltros,
                                             QStringLiteral("LabelFilterPeriodoDataFinal"),
                                             QStringLiteral("Período Final"),
                                             147);
    DateEditFilterPeriodoDataFinal
        = new TDateEdit(ToolBarFiltros, QStringLiteral("DateEditFilterPeriodoDataFinal"));
    place(DateEditFilterPeriodoDataFinal, 147, 120);

    LabelFilterNomeClasse = newCaption(ToolBarFiltros,
                                       QStringLiteral("LabelFilterNomeClasse"),
                                       QStringLiteral("Local da Alteração"),
                                       279);
    EditFilterNomeClasse = new TEdit(ToolBarFiltros, QStringLiteral("EditFilterNomeClasse"));
    place(EditFilterNomeClasse, 279, 180);

    LabelFilterIdObjeto = newCaption(ToolBarFiltros,
                                     QStringLiteral("LabelFilterIdObjeto"),
                                     QStringLiteral("ID do Registro"),
                                     468);
    EditFilterIdObjeto = new TEdit(ToolBarFiltros, QStringLiteral("EditFilterIdObjeto"));
    place(EditFilterIdObjeto, 468, 100);

    LabelFilterUsuario = newCaption(
        ToolBarFiltros, QStringLiteral("LabelFilterUsuario"), QStringLiteral("Usuário"), 580);
    EditFilterUsuario = new TEdit(ToolBarFiltros, QStringLiteral("EditFilterUsuario"));
    place(EditFilterUsuario, 580, 220);
}

void TFormCadastroOcorrencia::FormCreate()
{
    TFormBaseCadastro::FormCreate();
    FEnabledPanelFilter = true;
    SpeedButtonNovo->setVisible(false);
}

void TFormCadastroOcorrencia::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TOcorrenciaPresenter>());
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroOcorrencia::enablePanelFilter()
{
    TFormBaseCadastro::enablePanelFilter();
    FEnabledPanelFilter = true;
}

void TFormCadastroOcorrencia::fillListFilterControl()
{
    TFormBaseCadastro::fillListFilterControl();
    TManagerControl &filters = FPresenter->ManagerFilterControls();

    TItemControl &somenteDelete = filters.AddItemControl();
    somenteDelete.TitleControl = QStringLiteral("Somente Exclusões");
    somenteDelete.SetControl(CheckBoxFilterSomenteDelete);
    somenteDelete.IgnoreSave = true;
    somenteDelete.ValueDefault = QStringLiteral("FALSE");

    TItemControl &dataInicial = filters.AddItemControl();
    dataInicial.TitleControl = QStringLiteral("Período Inicial");
    dataInicial.SetControl(DateEditFilterPeriodoDataInicial);
    dataInicial.IgnoreSave = true;
    dataInicial.CaptionControl = LabelFilterPeriodoDataInicial;

    TItemControl &dataFinal = filters.AddItemControl();
    dataFinal.TitleControl = QStringLiteral("Período Final");
    dataFinal.SetControl(DateEditFilterPeriodoDataFinal);
    dataFinal.IgnoreSave = true;
    dataFinal.CaptionControl = LabelFilterPeriodoDataFinal;

    TItemControl &nomeClasse = filters.AddItemControl();
    nomeClasse.TitleControl = QStringLiteral("Local da Alteração");
    nomeClasse.SetControl(EditFilterNomeClasse);
    nomeClasse.IgnoreSave = true;
    nomeClasse.IsUpper = true;
    nomeClasse.MaxLength = 50;
    nomeClasse.CaptionControl = LabelFilterNomeClasse;
    nomeClasse.SetClassPesquisa(QStringLiteral("TPesquisaClasses"));

    // Digits only, five at the most: the record ids people look up by hand.
    TItemControl &idObjeto = filters.AddItemControl();
    idObjeto.TitleControl = QStringLiteral("ID do Registro");
    idObjeto.SetControl(EditFilterIdObjeto);
    idObjeto.IgnoreSave = true;
    idObjeto.TypeFormat = TFormatterEdit::Personalizado;
    idObjeto.MaxLength = 5;
    idObjeto.CaptionControl = LabelFilterIdObjeto;

    TItemControl &usuario = filters.AddItemControl();
    usuario.TitleControl = QStringLiteral("Usuário");
    usuario.SetControl(EditFilterUsuario);
    usuario.IgnoreSave = true;
    usuario.IsUpper = true;
    usuario.MaxLength = 100;
    usuario.CaptionControl = LabelFilterUsuario;
    usuario.SetClassPesquisa(QStringLiteral("TPesquisaUsuario"));
}

void TFormCadastroOcorrencia::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    auto *frame = new TOcorrenciaFrameAdapter(VertScrollBoxDados);
    AFrame = frame;
    auto text = [&ADataSet](const char *AField) {
        return ADataSet.FieldByName(QLatin1String(AField))->DisplayText();
    };
    auto flag = [&ADataSet](const char *AField) {
        return ADataSet.FieldByName(QLatin1String(AField))->AsBoolean();
    };
    frame->LabelLocalAlteracao->setText(text("DESCRICAO_CLASSE"));
    frame->LabelDataCadastro->setText(text("DATA_CADASTRO"));
    frame->LabelIDObjeto->setText(text("ID_OBJETO"));
    frame->LabelUsuario->setText(text("USUARIO"));
    const QString ocorrencia = ADataSet.FieldByName(QStringLiteral("OCORRENCIA"))->AsString();
    frame->SetOcorrencia(ocorrencia);
    frame->LabelOcorrencia->setText(
        TOcorrenciaFrameAdapter::DescricaoOcorrencia(flag("IS_REGISTRO_ALTERADO"),
                                                     flag("IS_REGISTRO_REMOVIDO"),
                                                     flag("IS_OCORRENCIA_MANUAL"),
                                                     flag("IS_NOVO_REGISTRO"),
                                                     ocorrencia));
    frame->SetProcVisualizarAlteracoes(
        [this](TFrameBaseAdapter *AItem) { visualizarAlteracoes(AItem); });
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroOcorrencia::visualizarAlteracoes(TFrameBaseAdapter *AFrame)
{
    auto *frame = dynamic_cast<TOcorrenciaFrameAdapter *>(AFrame);
    if (!frame)
        return;
    // Freed when the container closes, also when showing failed.
    std::unique_ptr<TFormSubViewOcorrenciaManual> view(
        TFormBase::Create<TFormSubViewOcorrenciaManual>());
    view->SetSomenteLeitura(true);
    view->MemoOcorrencia->setText(frame->Ocorrencia());
    auto container = TFormContainer::New();
    container->SetFormView(view.get(), false);
    container->Execute();
}
