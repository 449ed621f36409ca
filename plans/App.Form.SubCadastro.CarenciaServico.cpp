#include "App.Form.SubCadastro.CarenciaServico.h"

#include "App.Adapter.Frame.CarenciaServico.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.CarenciaServico.h"

#include "Edit.h"
#include "ScrollBox.h"

TFormSubCadastroCarenciaServico::TFormSubCadastroCarenciaServico(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroCarenciaServico"), AParent)
{
    setWindowTitle(QStringLiteral("Carências"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelCarencia, EditCarencia, u"Carencia", 8, 8, 569);
}

void TFormSubCadastroCarenciaServico::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TCarenciaServicoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroCarenciaServico::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    // The waiting-period lookup leaves the chosen rule's type as the binding's other
    // information, which the one-rule-per-type check reads.
    FPresenter->ManagerControls()
        .Bind(EditCarencia, QStringLiteral("Carência"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelCarencia)
        .Lookup(QStringLiteral("TPesquisaCarencia"));
}

void TFormSubCadastroCarenciaServico::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TCarenciaServicoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroCarenciaServico::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditCarencia);
}
