#include "App.Form.Cadastro.Servico.h"

#include "App.Adapter.Frame.Servico.h"
#include "App.Connector.Servico.h"
#include "App.Form.SubCadastro.CarenciaServico.h"
#include "App.Form.SubCadastro.ItemKitServico.h"
#include "App.Form.SubCadastro.Servico.Estoque.h"
#include "App.Form.SubCadastro.ValorServico.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Servico.h"

#include "CheckBox.h"
#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroServico)

TFormCadastroServico::TFormCadastroServico(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroServico"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Serviços e Produtos"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 8, 569);
    place.Field(LabelListaServico, EditListaServico, u"ListaServico", 8, 66, 280);
    place.Field(LabelBaseUtilizacao, EditBaseUtilizacao, u"BaseUtilizacao", 297, 66, 120);
    place.Field(
        LabelListaTipoUtilizacao, EditListaTipoUtilizacao, u"ListaTipoUtilizacao", 8, 124, 280);
    place.Control(CheckBoxIncluirOrdemServico, u"IncluirOrdemServico", 8, 186, 280, 19);
    place.Control(CheckBoxIsUsoTelemedicina, u"IsUsoTelemedicina", 297, 186, 280, 19);
    CheckBoxIncluirOrdemServico->setText(QStringLiteral("Incluir em Ordens de Serviços?"));
    CheckBoxIsUsoTelemedicina->setText(QStringLiteral("Uso em Telemedicina?"));
}

void TFormCadastroServico::FormCreate()
{
    FormValorServico = TFormBase::Create<TFormSubCadastroValorServico>(this);
    FormCarenciaServico = TFormBase::Create<TFormSubCadastroCarenciaServico>(this);
    FormItemKitServico = TFormBase::Create<TFormSubCadastroItemKitServico>(this);
    FormServicoEstoque = TFormBase::Create<TFormSubCadastroServicoEstoque>(this);
    RegisterSubCadastro(FormValorServico);
    RegisterSubCadastro(FormCarenciaServico);
    RegisterSubCadastro(FormItemKitServico);
    RegisterSubCadastro(FormServicoEstoque);
    TFormBaseCadastro::FormCreate();
    FListFillDados->AddFrameList(FormValorServico->FrameList())
        .AddFrameList(FormCarenciaServico->FrameList())
        .AddFrameList(FormItemKitServico->FrameList())
        .AddFrameList(FormServicoEstoque->FrameList());
}

void TFormCadastroServico::SetInfoPresenter()
{
    auto presenter = TBasePresenter::Create<TServicoPresenter>();
    TServicoConnector::New(FormValorServico->PresenterSubCadastro(),
                           FormCarenciaServico->PresenterSubCadastro(),
                           FormItemKitServico->PresenterSubCadastro())
        .SetPresenterServico(presenter.get())
        .SetDataSetValorServico(&FormValorServico->DataSetSubCadastro())
        .SetDataSetCarenciaServico(&FormCarenciaServico->DataSetSubCadastro())
        .SetDataSetItemKitServico(&FormItemKitServico->DataSetSubCadastro())
        .SetDataSetServicoEstoque(&FormServicoEstoque->DataSetSubCadastro());
    SetPresenter(std::move(presenter));
    SetIsComplexPost(true);
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroServico::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditDescricao,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(QStringLiteral("Valores"), FormValorServico, nullptr, false, false);
    AddSubCadastro(QStringLiteral("Serviços do Kit"), FormItemKitServico, nullptr, false, false);
    AddSubCadastro(QStringLiteral("Carências"), FormCarenciaServico, nullptr, false, false);
    AddSubCadastro(QStringLiteral("Estoque"), FormServicoEstoque, nullptr, false, false);
}

void TFormCadastroServico::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditDescricao, QStringLiteral("Descrição"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelDescricao);
    manager.Bind(EditListaServico, QStringLiteral("Filtros Serviços"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaServico)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("SERVICO"));
    manager.Bind(EditBaseUtilizacao, QStringLiteral("Base de Utilização"))
        .Required()
        .Upper()
        .MaxLength(3)
        .Format(TFormatterEdit::Personalizado, QStringLiteral("###"))
        .Caption(LabelBaseUtilizacao);
    manager.Bind(EditListaTipoUtilizacao, QStringLiteral("Tipo Utilização"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaTipoUtilizacao)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_UTILIZACAO"));
    manager.Bind(CheckBoxIncluirOrdemServico, QStringLiteral("Incluir em Ordens de Serviços?"))
        .Default(QStringLiteral("FALSE"));
    manager.Bind(CheckBoxIsUsoTelemedicina, QStringLiteral("Uso em Telemedicina?"))
        .Default(QStringLiteral("FALSE"));
}

void TFormCadastroServico::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TServicoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroServico::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditDescricao);
}

void TFormCadastroServico::fillTopText()
{
    LabelTopText->setText(EditDescricao->text());
}

void TFormCadastroServico::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    FormValorServico->ClearSubForm(true, true);
    FormCarenciaServico->ClearSubForm(true, true);
    FormItemKitServico->ClearSubForm(true, true);
    FormServicoEstoque->ClearSubForm(true, true);
}
