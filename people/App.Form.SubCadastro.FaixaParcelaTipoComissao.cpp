#include "App.Form.SubCadastro.FaixaParcelaTipoComissao.h"

#include "App.Adapter.Frame.FaixaParcelaTipoComissao.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.FaixaParcelaTipoComissao.h"

#include "Edit.h"
#include "ScrollBox.h"

TFormSubCadastroFaixaParcelaTipoComissao::TFormSubCadastroFaixaParcelaTipoComissao(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroFaixaParcelaTipoComissao"), AParent)
{
    setWindowTitle(QStringLiteral("Faixa Parcela"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelComissao, EditComissao, u"Comissao", 8, 8, 569);
    place.Field(LabelListaFormaRecebimento,
                EditListaFormaRecebimento,
                u"ListaFormaRecebimento",
                8,
                66,
                380);
    place.Field(LabelFaixaParcela, EditFaixaParcela, u"FaixaParcela", 397, 66, 180);
}

void TFormSubCadastroFaixaParcelaTipoComissao::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TFaixaParcelaTipoComissaoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroFaixaParcelaTipoComissao::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditComissao, QStringLiteral("Comissão"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelComissao)
        .Lookup(QStringLiteral("TPesquisaComissao"));
    manager.Bind(EditListaFormaRecebimento, QStringLiteral("Forma de Recebimento"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaFormaRecebimento)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("FORMA_RECEBIMENTO"));
    manager.Bind(EditFaixaParcela, QStringLiteral("Faixa de Parcela"))
        .Format(TFormatterEdit::Valor)
        .MaxLength(15)
        .Decimals(4)
        .Caption(LabelFaixaParcela);
}

void TFormSubCadastroFaixaParcelaTipoComissao::fillFrameItem(TMemTable &ADataSet,
                                                             TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TFaixaParcelaTipoComissaoFrameAdapter>(VertScrollBoxDados,
                                                                           ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroFaixaParcelaTipoComissao::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditListaFormaRecebimento);
}
