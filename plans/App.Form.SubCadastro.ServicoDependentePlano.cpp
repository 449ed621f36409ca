#include "App.Form.SubCadastro.ServicoDependentePlano.h"

#include "App.Adapter.Frame.ServicoDependentePlano.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ServicoDependentePlano.h"

#include "CheckBox.h"
#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

TFormSubCadastroServicoDependentePlano::TFormSubCadastroServicoDependentePlano(QWidget *AParent)
    : TFormBaseSubCadastroServicoPlano(QStringLiteral("TFormSubCadastroServicoDependentePlano"),
                                       AParent)
{
    setWindowTitle(QStringLiteral("Serviços Dependentes"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelServico, EditServico, u"Servico", 8, 8, 569);
    place.Field(LabelValor, EditValor, u"Valor", 8, 66, 180);
    place.Field(LabelIndice, EditIndice, u"Indice", 200, 66, 150);
    place.Field(LabelUtilizacao, EditUtilizacao, u"Utilizacao", 362, 66, 100);
    place.Field(
        LabelListaTipoUtilizacao, EditListaTipoUtilizacao, u"ListaTipoUtilizacao", 8, 124, 569);
    place.Field(
        LabelListaCobrancaServico, EditListaCobrancaServico, u"ListaCobrancaServico", 8, 182, 280);
    place.Field(LabelListaTipoCobranca, EditListaTipoCobranca, u"ListaTipoCobranca", 297, 182, 280);
    place.Control(CheckBoxCalculaFalecido, u"CalculaFalecido", 8, 240, 280, 19);
    CheckBoxCalculaFalecido->setText(QStringLiteral("Calcular Falecido?"));
    trackValorIndice();
}

void TFormSubCadastroServicoDependentePlano::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TServicoDependentePlanoPresenter>());
    TFormBaseSubCadastroServicoPlano::SetInfoPresenter();
}

void TFormSubCadastroServicoDependentePlano::fillListControl()
{
    TFormBaseSubCadastroServicoPlano::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    bindServicoValor(manager, QStringLiteral("02"));
    bindIndice(manager, QStringLiteral("Índice"));
    bindUtilizacao(manager, QStringLiteral("###"));
    manager.Bind(EditListaCobrancaServico, QStringLiteral("Forma de Cobrança do Serviço"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Default(QStringLiteral("01"))
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("COBRANCA_SERVICO"))
        .Caption(LabelListaCobrancaServico);
    manager.Bind(EditListaTipoCobranca, QStringLiteral("Tipo da Cobrança"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Default(QStringLiteral("01"))
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_COBRANCA"))
        .Caption(LabelListaTipoCobranca);
    manager.Bind(CheckBoxCalculaFalecido, QStringLiteral("Calcular Falecido?"))
        .Default(QStringLiteral("False"));
}

void TFormSubCadastroServicoDependentePlano::fillFrameItem(TMemTable &ADataSet,
                                                           TFrameBaseAdapter *&AFrame)
{
    AFrame
        = TFrameBaseAdapter::New<TServicoDependentePlanoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastroServicoPlano::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroServicoDependentePlano::afterFormCreate()
{
    TFormBaseSubCadastroServicoPlano::afterFormCreate();
    SetControlFocus(EditServico);
}
