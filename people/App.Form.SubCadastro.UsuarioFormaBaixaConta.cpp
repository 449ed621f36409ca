#include "App.Form.SubCadastro.UsuarioFormaBaixaConta.h"

#include "App.Adapter.Frame.UsuarioFormaBaixaConta.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.UsuarioFormaBaixaConta.h"

#include "Edit.h"
#include "ScrollBox.h"

TFormSubCadastroUsuarioFormaBaixaConta::TFormSubCadastroUsuarioFormaBaixaConta(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroUsuarioFormaBaixaConta"), AParent)
{
    setWindowTitle(QStringLiteral("FORMAS DE BAIXA"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelListaFormaPagamento,
                EditListaFormaPagamento,
                u"ListaFormaPagamento",
                8,
                8,
                400,
                QStringLiteral("Forma de Pagamento"));
    place.Field(LabelConta, EditConta, u"Conta", 8, 66, 400, QStringLiteral("Conta"));
}

void TFormSubCadastroUsuarioFormaBaixaConta::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TUsuarioFormaBaixaContaPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroUsuarioFormaBaixaConta::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditListaFormaPagamento, QStringLiteral("Forma de Pagamento"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaFormaPagamento)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("FORMA_BAIXA_FINANCEIRA"));
    manager.Bind(EditConta, QStringLiteral("Conta"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelConta)
        .Lookup(QStringLiteral("TPesquisaConta"));
}

void TFormSubCadastroUsuarioFormaBaixaConta::fillFrameItem(TMemTable &ADataSet,
                                                           TFrameBaseAdapter *&AFrame)
{
    AFrame
        = TFrameBaseAdapter::New<TUsuarioFormaBaixaContaFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroUsuarioFormaBaixaConta::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditListaFormaPagamento);
}
