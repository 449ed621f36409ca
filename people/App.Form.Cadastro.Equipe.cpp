#include "App.Form.Cadastro.Equipe.h"

#include "App.Adapter.Frame.Equipe.h"
#include "App.Connector.Equipe.h"
#include "App.Form.SubCadastro.ColaboradorEquipe.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Equipe.h"

#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroEquipe)

TFormCadastroEquipe::TFormCadastroEquipe(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroEquipe"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Equipes de Colaboradores"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 8, 569);
}

void TFormCadastroEquipe::FormCreate()
{
    FormColaboradorEquipe = TFormBase::Create<TFormSubCadastroColaboradorEquipe>(this);
    RegisterSubCadastro(FormColaboradorEquipe);
    TFormBaseCadastro::FormCreate();
    FListFillDados->AddFrameList(FormColaboradorEquipe->FrameList());
}

void TFormCadastroEquipe::SetInfoPresenter()
{
    SetIsComplexPost(true);
    auto presenter = TBasePresenter::Create<TEquipePresenter>();
    TEquipeConnector::New(FormColaboradorEquipe->PresenterSubCadastro())
        .SetPresenterEquipe(presenter.get())
        .SetDataSetColaboradorEquipe(&FormColaboradorEquipe->DataSetSubCadastro());
    SetPresenter(std::move(presenter));
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroEquipe::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    FPresenter->ManagerControls()
        .Bind(EditDescricao, QStringLiteral("Descrição"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelDescricao);
}

void TFormCadastroEquipe::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TEquipeFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroEquipe::fillTopText()
{
    LabelTopText->setText(EditDescricao->text());
}

void TFormCadastroEquipe::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditDescricao);
}

void TFormCadastroEquipe::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditDescricao,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(QStringLiteral("Colaboradores"), FormColaboradorEquipe, nullptr, false, false);
}

void TFormCadastroEquipe::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    FormColaboradorEquipe->ClearSubForm(true, true);
}
