#include "App.Form.SubCadastro.DependentePlano.h"

#include "App.Adapter.Frame.DependentePlano.h"
#include "App.Form.SubCadastro.ServicoDependentePlano.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.DependentePlano.h"

#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

TFormSubCadastroDependentePlano::TFormSubCadastroDependentePlano(
    TFormSubCadastroServicoDependentePlano *AServicos, QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroDependentePlano"), AParent)
    , FormServicoDependentePlano(AServicos)
{
    setWindowTitle(QStringLiteral("Dependentes do Plano"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelListaParentesco, EditListaParentesco, u"ListaParentesco", 8, 8, 569);
    place.Field(LabelFaixaEtaria, EditFaixaEtaria, u"FaixaEtaria", 8, 66, 180);
}

void TFormSubCadastroDependentePlano::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TDependentePlanoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroDependentePlano::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditListaParentesco, QStringLiteral("Parentesco"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("PARENTESCO"))
        .Caption(LabelListaParentesco);
    manager.Bind(EditFaixaEtaria, QStringLiteral("Faixa Etária Máxima"))
        .Required()
        .Format(TFormatterEdit::Personalizado, QStringLiteral("###"))
        .MaxLength(3)
        .Caption(LabelFaixaEtaria);
}

void TFormSubCadastroDependentePlano::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TDependentePlanoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroDependentePlano::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditListaParentesco);
}

void TFormSubCadastroDependentePlano::FormCreate()
{
    TFormBaseSubCadastro::FormCreate();
    RegisterSubCadastro(FormServicoDependentePlano);
}

void TFormSubCadastroDependentePlano::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditListaParentesco,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(
        QStringLiteral("Serviços Adicionais"), FormServicoDependentePlano, nullptr, false, false);
}

void TFormSubCadastroDependentePlano::fillTopText()
{
    LabelTopText->setText(EditListaParentesco->text());
}
