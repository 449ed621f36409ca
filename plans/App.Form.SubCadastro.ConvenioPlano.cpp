#include "App.Form.SubCadastro.ConvenioPlano.h"

#include "App.Adapter.Frame.ConvenioPlano.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ConvenioPlano.h"

#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

TFormSubCadastroConvenioPlano::TFormSubCadastroConvenioPlano(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroConvenioPlano"), AParent)
{
    setWindowTitle(QStringLiteral("CONVÊNIOS"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelConvenio, EditConvenio, u"Convenio", 8, 8, 569);
}

void TFormSubCadastroConvenioPlano::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TConvenioPlanoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroConvenioPlano::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditConvenio, QStringLiteral("Convênio"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaConvenio"))
        .Caption(LabelConvenio);
}

void TFormSubCadastroConvenioPlano::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TConvenioPlanoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroConvenioPlano::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditConvenio);
}
