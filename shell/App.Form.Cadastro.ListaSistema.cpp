#include "App.Form.Cadastro.ListaSistema.h"

#include "App.Adapter.Frame.ListaSistema.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ListaSistema.h"

#include "CheckBox.h"
#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroListaSistema)

TFormCadastroListaSistema::TFormCadastroListaSistema(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroListaSistema"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Listas do Sistema"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelCodigo, EditCodigo, u"Codigo", 8, 8, 217);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 66, 569);
    place.Field(LabelTipo, EditTipo, u"Tipo", 8, 124, 569);
    place.Control(CheckBoxIsGeral, u"IsGeral", 8, 186, 561, 19);
}

void TFormCadastroListaSistema::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TListaSistemaPresenter>());
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroListaSistema::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditCodigo, QStringLiteral("Código")).Required().Upper().Caption(LabelCodigo);
    manager.Bind(EditDescricao, QStringLiteral("Descrição"))
        .Required()
        .Upper()
        .Caption(LabelDescricao);
    manager.Bind(EditTipo, QStringLiteral("Tipo")).Required().Upper().Caption(LabelTipo);
    manager.Bind(CheckBoxIsGeral,
                 QStringLiteral("Geral (Apenas um item do tipo da lista pode ser geral)"));
}

void TFormCadastroListaSistema::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TListaSistemaFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroListaSistema::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditCodigo);
}
