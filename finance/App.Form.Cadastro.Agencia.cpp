#include "App.Form.Cadastro.Agencia.h"

#include "App.Adapter.Frame.Agencia.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Agencia.h"

#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroAgencia)

TFormCadastroAgencia::TFormCadastroAgencia(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroAgencia"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Agências"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    // The bank keeps room for its registration button beside it.
    place.Field(LabelBanco, EditBanco, u"Banco", 8, 8, 241);
    place.Field(LabelNome, EditNome, u"Nome", 298, 8, 279);
    place.Field(LabelNumero, EditNumero, u"Numero", 8, 66, 279);
    place.Field(LabelDigito, EditDigito, u"Digito", 298, 66, 279);
}

void TFormCadastroAgencia::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TAgenciaPresenter>());
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroAgencia::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditBanco, QStringLiteral("Banco"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelBanco)
        .Lookup(QStringLiteral("TPesquisaBanco"))
        .Cadastro(QStringLiteral("TFormCadastroBanco"));
    manager.Bind(EditNome, QStringLiteral("Agência"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelNome);
    manager.Bind(EditNumero, QStringLiteral("Número")).Required().Caption(LabelNumero);
    manager.Bind(EditDigito, QStringLiteral("Dígito"))
        .Required()
        .Upper()
        .MaxLength(2)
        .Caption(LabelDigito);
}

void TFormCadastroAgencia::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TAgenciaFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroAgencia::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditBanco);
}
