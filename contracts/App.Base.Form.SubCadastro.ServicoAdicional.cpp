#include "App.Base.Form.SubCadastro.ServicoAdicional.h"

#include "App.Base.Adapter.ServicoAdicional.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "ScrollBox.h"

TFormBaseSubCadastroServicoAdicional::TFormBaseSubCadastroServicoAdicional(const QString &AClassName,
                                                                           QWidget *AParent)
    : TFormBaseSubCadastroServicoPlano(AClassName, AParent)
{
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelServico, EditServico, u"Servico", 8, 8, 420);
    place.Field(LabelValor, EditValor, u"Valor", 8, 66, 180);
    place.Field(LabelIndice, EditIndice, u"Indice", 200, 66, 150);
    place.Field(LabelParcelas, EditParcelas, u"Parcelas", 362, 66, 100);
    place.Field(LabelUtilizacao, EditUtilizacao, u"Utilizacao", 474, 66, 103);
    place.Field(LabelData, DateEditData, u"Data", 8, 124, 160);
    place.Field(
        LabelPrimeiroVencimento, DateEditPrimeiroVencimento, u"PrimeiroVencimento", 180, 124, 160);
    place.Field(
        LabelListaTipoUtilizacao, EditListaTipoUtilizacao, u"ListaTipoUtilizacao", 8, 182, 569);
    place.Field(
        LabelListaCobrancaServico, EditListaCobrancaServico, u"ListaCobrancaServico", 8, 240, 280);
    place.Field(LabelDataFinal, DateEditDataFinal, u"DataFinal", 8, 298, 160);
    place.Field(
        LabelListaBaixaAdicional, EditListaBaixaAdicional, u"ListaBaixaAdicional", 180, 298, 397);
    trackValorIndice();
}

void TFormBaseSubCadastroServicoAdicional::SetProcTotalizadorContrato(std::function<void()> AValue)
{
    FProcTotalizadorContrato = std::move(AValue);
}

void TFormBaseSubCadastroServicoAdicional::ProcTotalizadorContrato() const
{
    if (FProcTotalizadorContrato)
        FProcTotalizadorContrato();
}

void TFormBaseSubCadastroServicoAdicional::updateAfterSave()
{
    ProcTotalizadorContrato();
    TFormBaseSubCadastroServicoPlano::updateAfterSave();
}

void TFormBaseSubCadastroServicoAdicional::bindServico(TManagerControl &AManager,
                                                       const QString &AFixFilter)
{
    bindServicoValor(AManager, AFixFilter);
    AManager.Bind(DateEditData, QStringLiteral("Data"))
        .Required()
        .MaxLength(10)
        .Default(DateToStr(Date()))
        .Caption(LabelData);
    bindIndice(AManager, QStringLiteral("Índice"));
    AManager.Bind(EditParcelas, QStringLiteral("Qtde. Parcelas"))
        .Required()
        .Format(TFormatterEdit::Personalizado, QStringLiteral("###"))
        .MaxLength(3)
        .Default(QStringLiteral("0"))
        .Caption(LabelParcelas);
    AManager.Bind(DateEditPrimeiroVencimento, QStringLiteral("1º Vencimento"))
        .Required()
        .MaxLength(10)
        .Default(DateToStr(TDateTime(Date() + 30)))
        .Caption(LabelPrimeiroVencimento);
    bindUtilizacao(AManager, QStringLiteral("###"));
}

void TFormBaseSubCadastroServicoAdicional::bindCobrancaServico(TManagerControl &AManager,
                                                               const QString &ADefault)
{
    TItemControlBuilder cobranca
        = AManager.Bind(EditListaCobrancaServico, QStringLiteral("Forma de Cobrança do Serviço"));
    cobranca.Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("COBRANCA_SERVICO"))
        .Caption(LabelListaCobrancaServico);
    if (!ADefault.isEmpty())
        cobranca.Default(ADefault);
}

void TFormBaseSubCadastroServicoAdicional::bindFinalizacao(TManagerControl &AManager)
{
    AManager.Bind(DateEditDataFinal, QStringLiteral("Data Final"))
        .MaxLength(10)
        .Caption(LabelDataFinal);
    AManager.Bind(EditListaBaixaAdicional, QStringLiteral("Motivo da Finalização"))
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("BAIXA_ADICIONAL"))
        .Caption(LabelListaBaixaAdicional);
}

void TFormBaseSubCadastroServicoAdicional::wireRow(TFrameBaseAdapterServicoAdicional *ARow)
{
    // The form's procedure as it is when the row is removed, not when it was listed.
    ARow->SetProcTotalizadorContrato([this] { ProcTotalizadorContrato(); });
}
