#include "App.Form.SubCadastro.VendedorPlano.h"

#include "App.Adapter.Frame.VendedorPlano.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.VendedorPlano.h"

#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

TFormSubCadastroVendedorPlano::TFormSubCadastroVendedorPlano(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroVendedorPlano"), AParent)
{
    setWindowTitle(QStringLiteral("VENDEDORES NO PLANO"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelColaborador, EditColaborador, u"Colaborador", 8, 8, 569);
}

void TFormSubCadastroVendedorPlano::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TVendedorPlanoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroVendedorPlano::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditColaborador, QStringLiteral("Vendedor"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaColaborador"))
        .Caption(LabelColaborador);
}

void TFormSubCadastroVendedorPlano::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TVendedorPlanoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroVendedorPlano::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditColaborador);
}
