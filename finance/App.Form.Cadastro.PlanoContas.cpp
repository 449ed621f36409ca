#include "App.Form.Cadastro.PlanoContas.h"

#include "App.Adapter.Frame.PlanoContas.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.PlanoContas.h"

#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroPlanoContas)

TFormCadastroPlanoContas::TFormCadastroPlanoContas(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroPlanoContas"), AParent)
{
    setWindowTitle(QStringLiteral("Plano de Contas"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelCodigo, EditCodigo, u"Codigo", 8, 8, 279);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 298, 8, 279);
    place.Field(
        LabelListaTipoPlanoContas, EditListaTipoPlanoContas, u"ListaTipoPlanoContas", 8, 66, 279);
}

void TFormCadastroPlanoContas::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TPlanoContasPresenter>());
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroPlanoContas::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditCodigo, QStringLiteral("Código Plano de Contas"))
        .Required()
        .Upper()
        .MaxLength(20)
        .Caption(LabelCodigo);
    manager.Bind(EditDescricao, QStringLiteral("Descrição"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelDescricao);
    manager.Bind(EditListaTipoPlanoContas, QStringLiteral("Tipo Plano de Contas"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaTipoPlanoContas)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_PLANO_CONTAS"));
}

void TFormCadastroPlanoContas::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TPlanoContasFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroPlanoContas::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditCodigo);
}
