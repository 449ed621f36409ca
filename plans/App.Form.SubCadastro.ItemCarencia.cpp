#include "App.Form.SubCadastro.ItemCarencia.h"

#include "App.Adapter.Frame.ItemCarencia.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ItemCarencia.h"

#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormSubCadastroItemCarencia)

TFormSubCadastroItemCarencia::TFormSubCadastroItemCarencia(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroItemCarencia"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Parentescos"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelListaParentesco, EditListaParentesco, u"ListaParentesco", 8, 8, 569);
    place.Field(LabelFaixaEtaria, EditFaixaEtaria, u"FaixaEtaria", 8, 66, 120);
    place.Field(LabelDiasCarencia, EditDiasCarencia, u"DiasCarencia", 140, 66, 120);
    place.Field(LabelPercentual, EditPercentual, u"Percentual", 272, 66, 120);
}

void TFormSubCadastroItemCarencia::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TItemCarenciaPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroItemCarencia::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditListaParentesco, QStringLiteral("Parentesco"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("PARENTESCO"))
        .Caption(LabelListaParentesco);
    manager.Bind(EditFaixaEtaria, QStringLiteral("Faixa Etária"))
        .Required()
        .Format(TFormatterEdit::Personalizado, QStringLiteral("###"))
        .MaxLength(3)
        .Caption(LabelFaixaEtaria);
    manager.Bind(EditDiasCarencia, QStringLiteral("Dias Carência"))
        .Required()
        .Format(TFormatterEdit::Personalizado, QStringLiteral("###"))
        .MaxLength(3)
        .Caption(LabelDiasCarencia);
    manager.Bind(EditPercentual, QStringLiteral("(%) Contrato"))
        .Required()
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .MaxLength(5)
        .Caption(LabelPercentual);
}

void TFormSubCadastroItemCarencia::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TItemCarenciaFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroItemCarencia::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditListaParentesco);
}
