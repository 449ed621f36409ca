#include "App.Form.Cadastro.TipoDocumento.h"

#include "App.Adapter.Frame.TipoDocumento.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.TipoDocumento.h"

#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroTipoDocumento)

TFormCadastroTipoDocumento::TFormCadastroTipoDocumento(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroTipoDocumento"), AParent)
{
    setWindowTitle(QStringLiteral("Tipo de Documentos"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 8, 279);
    place.Field(LabelSigla, EditSigla, u"Sigla", 298, 8, 279);
}

void TFormCadastroTipoDocumento::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TTipoDocumentoPresenter>());
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroTipoDocumento::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditDescricao, QStringLiteral("Descrição"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelDescricao);
    manager.Bind(EditSigla, QStringLiteral("Sigla"))
        .Required()
        .Upper()
        .MaxLength(10)
        .Caption(LabelSigla);
}

void TFormCadastroTipoDocumento::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TTipoDocumentoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroTipoDocumento::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditDescricao);
}
