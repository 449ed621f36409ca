#include "App.Form.Cadastro.Ocorrencia.h"

#include "App.Adapter.Frame.Ocorrencia.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Ocorrencia.h"
#include "App.View.Sub.OcorrenciaManual.h"

#include "CheckBox.h"
#include "DateEdit.h"
#include "Edit.h"
#include "Layouts.h"
#include "Memo.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include <memory>

ZUNTA_REGISTER_FORM(TFormCadastroOcorrencia)

TFormCadastroOcorrencia::TFormCadastroOcorrencia(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroOcorrencia"), AParent)
{
    setWindowTitle(QStringLiteral("OCORRÊNCIAS"));

    // The filter bar: the check box on its own line, the captions and their controls below.
    ToolBarFiltros->setHeight(105);
    const TPlacement place(ToolBarFiltros, 24, 32);
    place.Control(CheckBoxFilterSomenteDelete, u"FilterSomenteDelete", 16, 16, 200, 22);
    CheckBoxFilterSomenteDelete->setText(QStringLiteral("Somente Exclusões"));
    place.Field(LabelFilterPeriodoDataInicial,
                DateEditFilterPeriodoDataInicial,
                u"FilterPeriodoDataInicial",
                16,
                48,
                120);
    place.Field(LabelFilterPeriodoDataFinal,
                DateEditFilterPeriodoDataFinal,
                u"FilterPeriodoDataFinal",
                147,
                48,
                120);
    place.Field(LabelFilterNomeClasse, EditFilterNomeClasse, u"FilterNomeClasse", 279, 48, 180);
    place.Field(LabelFilterIdObjeto, EditFilterIdObjeto, u"FilterIdObjeto", 468, 48, 100);
    place.Field(LabelFilterUsuario, EditFilterUsuario, u"FilterUsuario", 580, 48, 220);
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
    filters.Bind(CheckBoxFilterSomenteDelete, QStringLiteral("Somente Exclusões"))
        .IgnoreSave()
        .Default(QStringLiteral("FALSE"));
    filters.Bind(DateEditFilterPeriodoDataInicial, QStringLiteral("Período Inicial"))
        .IgnoreSave()
        .Caption(LabelFilterPeriodoDataInicial);
    filters.Bind(DateEditFilterPeriodoDataFinal, QStringLiteral("Período Final"))
        .IgnoreSave()
        .Caption(LabelFilterPeriodoDataFinal);
    filters.Bind(EditFilterNomeClasse, QStringLiteral("Local da Alteração"))
        .IgnoreSave()
        .Upper()
        .MaxLength(50)
        .Caption(LabelFilterNomeClasse)
        .Lookup(QStringLiteral("TPesquisaClasses"));
    // Five digits at the most: the record ids people look up by hand.
    filters.Bind(EditFilterIdObjeto, QStringLiteral("ID do Registro"))
        .IgnoreSave()
        .DigitsOnly()
        .MaxLength(5)
        .Caption(LabelFilterIdObjeto);
    filters.Bind(EditFilterUsuario, QStringLiteral("Usuário"))
        .IgnoreSave()
        .Upper()
        .MaxLength(100)
        .Caption(LabelFilterUsuario)
        .Lookup(QStringLiteral("TPesquisaUsuario"));
}

void TFormCadastroOcorrencia::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    auto *frame = TFrameBaseAdapter::New<TOcorrenciaFrameAdapter>(VertScrollBoxDados, ADataSet);
    frame->SetProcVisualizarAlteracoes(
        [this](TFrameBaseAdapter *AItem) { visualizarAlteracoes(AItem); });
    AFrame = frame;
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
