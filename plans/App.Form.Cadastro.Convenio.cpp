#include "App.Form.Cadastro.Convenio.h"

#include "App.Adapter.Frame.Convenio.h"
#include "App.Connector.Convenio.h"
#include "App.Form.SubCadastro.EspecialidadeProfissionalConvenio.h"
#include "App.Form.SubCadastro.ProfissionalConvenio.h"
#include "App.Form.SubCadastro.ServicoConvenio.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Convenio.h"
#include "App.Presenter.ProfissionalConvenio.h"

#include "Edit.h"
#include "Label.h"
#include "Memo.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroConvenio)

TFormCadastroConvenio::TFormCadastroConvenio(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroConvenio"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Convênios"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelPessoa, EditPessoa, u"Pessoa", 8, 8, 569);
    place.Field(LabelDesconto, EditDesconto, u"Desconto", 8, 66, 120);
    place.Field(LabelListaSegmento, EditListaSegmento, u"ListaSegmento", 140, 66, 437);
    LabelAnotacoes = place.Caption(QStringLiteral("LabelAnotacoes"), 8, 124);
    place.Control(MemoAnotacoes, u"Anotacoes", 8, 142, 569, 120);

    ToolBarFiltros->setHeight(72);
    const TPlacement filtros(ToolBarFiltros, 24, 32);
    filtros.Field(
        LabelFilterListaSegmento, EditFilterListaSegmento, u"FilterListaSegmento", 16, 8, 240);
    filtros.Field(
        LabelFilterEspecialidade, EditFilterEspecialidade, u"FilterEspecialidade", 266, 8, 240);
    filtros.Field(
        LabelFilterProfissional, EditFilterProfissional, u"FilterProfissional", 516, 8, 280);
}

void TFormCadastroConvenio::FormCreate()
{
    FormEspecialidade = TFormBase::Create<TFormSubCadastroEspecialidadeProfissionalConvenio>(this);
    FormProfissional
        = TFormBase::Create<TFormSubCadastroProfissionalConvenio>(FormEspecialidade, this);
    RegisterSubCadastro(FormProfissional);
    FormServico = TFormBase::Create<TFormSubCadastroServicoConvenio>(this);
    RegisterSubCadastro(FormServico);
    TFormBaseCadastro::FormCreate();
    // The specialties last: they are linked to the professional rows read before them.
    FListFillDados->AddFrameList(FormProfissional->FrameList())
        .AddFrameList(FormServico->FrameList())
        .AddFrameList(FormEspecialidade->FrameList(), &FormProfissional->DataSetSubCadastro());
}

void TFormCadastroConvenio::SetInfoPresenter()
{
    auto presenter = TBasePresenter::Create<TConvenioPresenter>();
    TConvenioConnector::New(
        dynamic_cast<TProfissionalConvenioPresenter *>(FormProfissional->PresenterSubCadastro()),
        FormEspecialidade->PresenterSubCadastro(),
        FormServico->PresenterSubCadastro())
        .SetPresenterConvenio(presenter.get())
        .SetDataSetEspecialidadeProfissionalConvenio(&FormEspecialidade->DataSetSubCadastro())
        .SetDataSetProfissionalConvenio(&FormProfissional->DataSetSubCadastro())
        .SetDataSetServicoConvenio(&FormServico->DataSetSubCadastro());
    SetPresenter(std::move(presenter));
    SetIsComplexPost(true);
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroConvenio::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Gerais"),
                 VertScrollBoxControls,
                 EditPessoa,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(QStringLiteral("Profissionais"), FormProfissional, nullptr, false, false);
    AddSubCadastro(QStringLiteral("Serviços"), FormServico, nullptr, false, false);
}

void TFormCadastroConvenio::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditPessoa, QStringLiteral("Nome"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelPessoa)
        .Lookup(QStringLiteral("TPesquisaPessoa"))
        .Cadastro(QStringLiteral("TFormCadastroPessoa"));
    manager.Bind(EditDesconto, QStringLiteral("Desconto (%)"))
        .Required()
        .Format(TFormatterEdit::Personalizado)
        .MaxLength(3)
        .Caption(LabelDesconto);
    manager.Bind(EditListaSegmento, QStringLiteral("Segmento"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaSegmento)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("SEGMENTO_CONVENIO"));
    manager.Bind(MemoAnotacoes, QStringLiteral("Anotações")).Upper().Caption(LabelAnotacoes);
}

void TFormCadastroConvenio::enablePanelFilter()
{
    TFormBaseCadastro::enablePanelFilter();
    FEnabledPanelFilter = true;
}

void TFormCadastroConvenio::fillListFilterControl()
{
    TFormBaseCadastro::fillListFilterControl();
    TManagerControl &filters = FPresenter->ManagerFilterControls();
    filters.Bind(EditFilterListaSegmento, QStringLiteral("Segmento"))
        .IgnoreSave()
        .Upper()
        .MaxLength(50)
        .Caption(LabelFilterListaSegmento)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("SEGMENTO_CONVENIO"));
    filters.Bind(EditFilterEspecialidade, QStringLiteral("Especialidade"))
        .IgnoreSave()
        .Upper()
        .MaxLength(100)
        .Caption(LabelFilterEspecialidade)
        .Lookup(QStringLiteral("TPesquisaEspecialidade"));
    filters.Bind(EditFilterProfissional, QStringLiteral("Profissional"))
        .IgnoreSave()
        .Upper()
        .MaxLength(100)
        .Caption(LabelFilterProfissional)
        .Lookup(QStringLiteral("TPesquisaPessoa"), QStringLiteral("NEP"));
}

void TFormCadastroConvenio::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TConvenioFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroConvenio::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditPessoa);
}

void TFormCadastroConvenio::fillTopText()
{
    LabelTopText->setText(EditPessoa->text());
}

void TFormCadastroConvenio::afterSave()
{
    TFormBaseCadastro::afterSave();
    if (EditPessoa->text().isEmpty())
        LabelTopText->setText(QString());
}

void TFormCadastroConvenio::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    // The save turns to a blank record only after afterSave: the name of the agreement just
    // saved must not stay over the blank record.
    if (EditPessoa->text().isEmpty())
        LabelTopText->setText(QString());
    FormEspecialidade->ClearSubForm(true, true);
    FormProfissional->ClearSubForm(true, true);
    FormServico->ClearSubForm(true, true);
}
