#include "App.Form.Cadastro.Motivo.h"

#include "App.Adapter.Frame.Motivo.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Motivo.h"

#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroMotivo)

TFormCadastroMotivo::TFormCadastroMotivo(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroMotivo"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Motivos no Sistema"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 8, 569);
    place.Field(LabelListaTipoMotivo, EditListaTipoMotivo, u"ListaTipoMotivo", 8, 66, 569);
}

void TFormCadastroMotivo::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TMotivoPresenter>());
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroMotivo::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditDescricao, QStringLiteral("Descrição"))
        .Required()
        .Upper()
        .Caption(LabelDescricao);
    manager.Bind(EditListaTipoMotivo, QStringLiteral("Tipo do Motivo"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaTipoMotivo)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_MOTIVO"));
}

void TFormCadastroMotivo::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TMotivoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroMotivo::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditDescricao);
}
