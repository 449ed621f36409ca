#include "App.Form.SubCadastro.AdicionalContratoPlano.h"

#include "App.Adapter.Frame.AdicionalContratoPlano.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.AdicionalContratoPlano.h"

#include "DateEdit.h"
#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

TFormSubCadastroAdicionalContratoPlano::TFormSubCadastroAdicionalContratoPlano(QWidget *AParent)
    : TFormBaseSubCadastroServicoPlano(QStringLiteral("TFormSubCadastroAdicionalContratoPlano"),
                                       AParent)
{
    setWindowTitle(QStringLiteral("ADICIONAIS DE CONTRATO"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelServico, EditServico, u"Servico", 8, 8, 569);
    place.Field(LabelValor, EditValor, u"Valor", 8, 66, 180);
    place.Field(LabelIndice, EditIndice, u"Indice", 200, 66, 150);
    place.Field(LabelParcelas, EditParcelas, u"Parcelas", 362, 66, 100);
    place.Field(LabelUtilizacao, EditUtilizacao, u"Utilizacao", 474, 66, 103);
    place.Field(
        LabelListaTipoUtilizacao, EditListaTipoUtilizacao, u"ListaTipoUtilizacao", 8, 124, 569);
    place.Field(
        LabelListaCobrancaServico, EditListaCobrancaServico, u"ListaCobrancaServico", 8, 182, 280);
    place.Field(LabelListaTipoCobranca, EditListaTipoCobranca, u"ListaTipoCobranca", 297, 182, 280);
    place.Field(LabelDataFinal, DateEditDataFinal, u"DataFinal", 8, 240, 160);
    place.Field(
        LabelListaBaixaAdicional, EditListaBaixaAdicional, u"ListaBaixaAdicional", 180, 240, 397);
}

void TFormSubCadastroAdicionalContratoPlano::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TAdicionalContratoPlanoPresenter>());
    TFormBaseSubCadastroServicoPlano::SetInfoPresenter();
}

void TFormSubCadastroAdicionalContratoPlano::fillListControl()
{
    TFormBaseSubCadastroServicoPlano::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    bindServicoValor(manager, QStringLiteral("01"));
    bindIndice(manager, QStringLiteral("Índice"));
    manager.Bind(EditParcelas, QStringLiteral("Qtde. Parcelas"))
        .Required()
        .Format(TFormatterEdit::Personalizado, QStringLiteral("###"))
        .MaxLength(3)
        .Default(QStringLiteral("0"))
        .Caption(LabelParcelas);
    manager.Bind(EditListaCobrancaServico, QStringLiteral("Forma de Cobrança do Serviço"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("COBRANCA_SERVICO"))
        .Caption(LabelListaCobrancaServico);
    manager.Bind(EditListaTipoCobranca, QStringLiteral("Tipo da Cobrança"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_COBRANCA"))
        .Caption(LabelListaTipoCobranca);
    manager.Bind(DateEditDataFinal, QStringLiteral("Data Final"))
        .MaxLength(10)
        .Caption(LabelDataFinal);
    manager.Bind(EditListaBaixaAdicional, QStringLiteral("Motivo da Finalização"))
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("BAIXA_ADICIONAL"))
        .Caption(LabelListaBaixaAdicional);
}

void TFormSubCadastroAdicionalContratoPlano::fillFrameItem(TMemTable &ADataSet,
                                                           TFrameBaseAdapter *&AFrame)
{
    AFrame
        = TFrameBaseAdapter::New<TAdicionalContratoPlanoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastroServicoPlano::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroAdicionalContratoPlano::afterFormCreate()
{
    TFormBaseSubCadastroServicoPlano::afterFormCreate();
    SetControlFocus(EditServico);
}
