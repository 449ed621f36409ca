#include "App.Form.Cadastro.UnidadeFederativa.h"

#include "App.Adapter.Frame.UnidadeFederativa.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.UnidadeFederativa.h"

#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroUnidadeFederativa)

TFormCadastroUnidadeFederativa::TFormCadastroUnidadeFederativa(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroUnidadeFederativa"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Unidades Federativas"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelNome, EditNome, u"Nome", 8, 8, 569);
    place.Field(LabelSigla, EditSigla, u"Sigla", 8, 66, 60);
}

void TFormCadastroUnidadeFederativa::fillSigla(const QString &ASigla)
{
    if (TItemControl *sigla = FPresenter->FindItemControl(EditSigla->objectName()))
        sigla->SetValueControl(ASigla);
}

void TFormCadastroUnidadeFederativa::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TUnidadeFederativaPresenter>());
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroUnidadeFederativa::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditNome, QStringLiteral("Unidade Federativa"))
        .Required()
        .Upper()
        .Caption(LabelNome);
    manager.Bind(EditSigla, QStringLiteral("Sigla")).Required().Upper().Caption(LabelSigla);
}

void TFormCadastroUnidadeFederativa::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TUnidadeFederativaFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroUnidadeFederativa::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditNome);
}
