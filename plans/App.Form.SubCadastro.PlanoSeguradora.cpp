#include "App.Form.SubCadastro.PlanoSeguradora.h"

#include "App.Adapter.Frame.PlanoSeguradora.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.PlanoSeguradora.h"

#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormSubCadastroPlanoSeguradora)

TFormSubCadastroPlanoSeguradora::TFormSubCadastroPlanoSeguradora(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroPlanoSeguradora"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Planos da Seguradora"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelPlano, EditPlano, u"Plano", 8, 8, 569);
    place.Field(LabelCodigoPlano, EditCodigoPlano, u"CodigoPlano", 8, 66, 277);
    place.Field(LabelCodigoPlanoCapitalizacao,
                EditCodigoPlanoCapitalizacao,
                u"CodigoPlanoCapitalizacao",
                300,
                66,
                130);
    place.Field(LabelPercentualIof, EditPercentualIof, u"PercentualIof", 442, 66, 135);
    place.Field(LabelApoliceAcidente, EditApoliceAcidente, u"ApoliceAcidente", 8, 124, 277);
    place.Field(LabelApoliceDecesso, EditApoliceDecesso, u"ApoliceDecesso", 300, 124, 277);
    place.Field(LabelListaTipoPlano, EditListaTipoPlano, u"ListaTipoPlano", 8, 182, 277);
    place.Field(LabelListaTipoSorteio, EditListaTipoSorteio, u"ListaTipoSorteio", 300, 182, 277);
}

void TFormSubCadastroPlanoSeguradora::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TPlanoSeguradoraPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroPlanoSeguradora::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditPlano, QStringLiteral("Plano na Seguradora"))
        .Caption(LabelPlano)
        .Lookup(QStringLiteral("TPesquisaPlano"), QStringLiteral("PLA"));
    manager.Bind(EditCodigoPlano, QStringLiteral("Código do Plano"))
        .Required()
        .Upper()
        .MaxLength(30)
        .Caption(LabelCodigoPlano);
    manager.Bind(EditCodigoPlanoCapitalizacao, QStringLiteral("Cód. Plano Cap."))
        .Format(TFormatterEdit::Personalizado, QStringLiteral("####"))
        .MaxLength(4)
        .Caption(LabelCodigoPlanoCapitalizacao);
    manager.Bind(EditPercentualIof, QStringLiteral("% IOF nos Contratos"))
        .Required()
        .Format(TFormatterEdit::Valor)
        .Decimals(4)
        .MaxLength(15)
        .Caption(LabelPercentualIof);
    manager.Bind(EditApoliceAcidente, QStringLiteral("Apólice sobre Acidentes"))
        .Required()
        .Upper()
        .MaxLength(50)
        .Caption(LabelApoliceAcidente);
    manager.Bind(EditApoliceDecesso, QStringLiteral("Apólice sobre Decesso"))
        .Required()
        .Upper()
        .MaxLength(50)
        .Caption(LabelApoliceDecesso);
    manager.Bind(EditListaTipoPlano, QStringLiteral("Tipo do Plano"))
        .Caption(LabelListaTipoPlano)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_PLANO"));
    manager.Bind(EditListaTipoSorteio, QStringLiteral("Tipo de Sorteio"))
        .Caption(LabelListaTipoSorteio)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_SORTEIO"));
}

void TFormSubCadastroPlanoSeguradora::fillFrameItem(TMemTable &ADataSet,
                                                    TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TPlanoSeguradoraFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroPlanoSeguradora::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditPlano);
}
