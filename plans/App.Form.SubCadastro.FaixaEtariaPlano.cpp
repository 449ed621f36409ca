#include "App.Form.SubCadastro.FaixaEtariaPlano.h"

#include "App.Adapter.Frame.FaixaEtariaPlano.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.FaixaEtariaPlano.h"

#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

TFormSubCadastroFaixaEtariaPlano::TFormSubCadastroFaixaEtariaPlano(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroFaixaEtariaPlano"), AParent)
{
    setWindowTitle(QStringLiteral("FormSubCadastroFaixaEtariaPlano"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelListaParentesco, EditListaParentesco, u"ListaParentesco", 8, 8, 569);
    place.Field(LabelFaixaEtariaInicial, EditFaixaEtariaInicial, u"FaixaEtariaInicial", 8, 66, 180);
    place.Field(LabelFaixaEtariaFinal, EditFaixaEtariaFinal, u"FaixaEtariaFinal", 200, 66, 180);
}

void TFormSubCadastroFaixaEtariaPlano::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TFaixaEtariaPlanoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroFaixaEtariaPlano::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditListaParentesco, QStringLiteral("Parentesco"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("PARENTESCO"))
        .Caption(LabelListaParentesco);
    manager.Bind(EditFaixaEtariaInicial, QStringLiteral("Faixa Etária Inicial"))
        .Required()
        .Format(TFormatterEdit::Personalizado, QStringLiteral("###"))
        .Caption(LabelFaixaEtariaInicial);
    manager.Bind(EditFaixaEtariaFinal, QStringLiteral("Faixa Etária Final"))
        .Required()
        .Format(TFormatterEdit::Personalizado, QStringLiteral("###"))
        .Caption(LabelFaixaEtariaFinal);
}

void TFormSubCadastroFaixaEtariaPlano::fillFrameItem(TMemTable &ADataSet,
                                                     TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TFaixaEtariaPlanoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroFaixaEtariaPlano::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditListaParentesco);
}
