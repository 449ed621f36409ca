#include "App.Form.Cadastro.Banco.h"

#include "App.Adapter.Frame.Banco.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Banco.h"

#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroBanco)

TFormCadastroBanco::TFormCadastroBanco(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroBanco"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Bancos"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelCodigo, EditCodigo, u"Codigo", 8, 8, 279);
    place.Field(LabelNome, EditNome, u"Nome", 298, 8, 279);
}

void TFormCadastroBanco::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TBancoPresenter>());
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroBanco::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditCodigo, QStringLiteral("Código Banco"))
        .Required()
        .MaxLength(3)
        .Format(TFormatterEdit::Personalizado, QStringLiteral("###"))
        .Caption(LabelCodigo);
    manager.Bind(EditNome, QStringLiteral("Banco"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelNome);
}

void TFormCadastroBanco::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TBancoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroBanco::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditCodigo);
}
