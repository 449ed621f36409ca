#include "App.Form.SubCadastro.CarenciaPlano.h"

#include "App.Adapter.Frame.CarenciaPlano.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.CarenciaPlano.h"

#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

TFormSubCadastroCarenciaPlano::TFormSubCadastroCarenciaPlano(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroCarenciaPlano"), AParent)
{
    setWindowTitle(QStringLiteral("Carências do Plano"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelCarencia, EditCarencia, u"Carencia", 8, 8, 569);
}

void TFormSubCadastroCarenciaPlano::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TCarenciaPlanoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroCarenciaPlano::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditCarencia, QStringLiteral("Carência"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaCarencia"))
        .Caption(LabelCarencia);
}

void TFormSubCadastroCarenciaPlano::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TCarenciaPlanoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroCarenciaPlano::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditCarencia);
}
