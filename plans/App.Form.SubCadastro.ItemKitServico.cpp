#include "App.Form.SubCadastro.ItemKitServico.h"

#include "App.Adapter.Frame.ItemKitServico.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ItemKitServico.h"
#include "Common.Dto.Servico.h"
#include "Common.Lib.Utils.h"

#include "Edit.h"
#include "FormatSettings.h"
#include "MemTable.h"
#include "ScrollBox.h"

TFormSubCadastroItemKitServico::TFormSubCadastroItemKitServico(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroItemKitServico"), AParent)
{
    setWindowTitle(QStringLiteral("Serviços do Kit"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelServicoKit, EditServicoKit, u"ServicoKit", 8, 8, 569);
    place.Field(LabelValor, EditValor, u"Valor", 8, 66, 180);
    place.Field(LabelIndice, EditIndice, u"Indice", 200, 66, 150);
    place.Field(LabelListaReligiao, EditListaReligiao, u"ListaReligiao", 8, 124, 280);
    place.Field(LabelListaStatus, EditListaStatus, u"ListaStatus", 297, 124, 280);
    // The edits' own handlers: the bindings keep them and run them after their own.
    EditIndice->OnTyping = [this](QObject *) { EditIndiceChangeTracking(); };
    EditValor->OnTyping = [this](QObject *) { EditValorChangeTracking(); };
}

void TFormSubCadastroItemKitServico::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TItemKitServicoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroItemKitServico::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditServicoKit, QStringLiteral("Serviço"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelServicoKit)
        .Lookup(QStringLiteral("TPesquisaServico"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            ProcPesquisaServico(ARecord, AEvent);
        });
    manager.Bind(EditValor, QStringLiteral("Valor do Serviço"))
        .Required()
        .IgnoreSave()
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .MaxLength(15)
        .Caption(LabelValor);
    manager.Bind(EditIndice, QStringLiteral("Índice"))
        .Required()
        .Format(TFormatterEdit::Valor)
        .Decimals(4)
        .MaxLength(15)
        .Default(QStringLiteral("1"))
        .Caption(LabelIndice);
    manager.Bind(EditListaReligiao, QStringLiteral("Religião"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Default(QStringLiteral("00"))
        .Caption(LabelListaReligiao)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("RELIGIAO"));
    manager.Bind(EditListaStatus, QStringLiteral("Status"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Default(QStringLiteral("A"))
        .Caption(LabelListaStatus)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("STATUS_GERAL"));
}

void TFormSubCadastroItemKitServico::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TItemKitServicoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroItemKitServico::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditServicoKit);
}

void TFormSubCadastroItemKitServico::afterFillForm()
{
    TFormBaseSubCadastro::afterFillForm();
    TMemTable &table = FPresenter->DataSetInfo();
    if (table.Active()
        && table.Locate(QStringLiteral("ID_REGISTRO"), TFieldValue(FPresenter->IdRegistro))) {
        // The base value the row was stored with, which its list line shows too.
        const double base = table.FieldByName(QStringLiteral("VALOR_BASE_SERVICO"))->AsFloat();
        if (base != 0)
            FValorServico = base;
    }
    if (FValorServico == 0)
        return;
    const TItemControl *indice = FPresenter->FindItemControl(QStringLiteral("EditIndice"));
    setValueOf(
        QStringLiteral("EditValor"),
        TUtils::FormatDouble(TUtils::StrEmptyToFloat(indice->ValueControl()) * FValorServico, 2));
}

void TFormSubCadastroItemKitServico::ProcPesquisaServico(TBaseDto *ARecord, TTypeEventProc AEvent)
{
    const auto *servico = dynamic_cast<const TServicoDto *>(ARecord);
    if (AEvent == TTypeEventProc::epSearch && servico) {
        FValorServico = servico->Valor;
        if (isNewRow())
            setValueOf(QStringLiteral("EditValor"), servico->Valor);
    } else if (AEvent == TTypeEventProc::epClear) {
        FValorServico = 0;
        if (isNewRow())
            EditValor->setText(QString());
    }
}

void TFormSubCadastroItemKitServico::EditIndiceChangeTracking()
{
    if (FValorServico == 0)
        return;
    const double indice = TUtils::StrEmptyToFloat(
        FPresenter->FindItemControl(QStringLiteral("EditIndice"))->ValueControl());
    setValueOf(QStringLiteral("EditValor"), TUtils::FormatDouble(indice * FValorServico, 2));
}

void TFormSubCadastroItemKitServico::EditValorChangeTracking()
{
    if (FValorServico == 0)
        return;
    const double valor = TUtils::StrEmptyToFloat(
        FPresenter->FindItemControl(QStringLiteral("EditValor"))->ValueControl());
    setValueOf(QStringLiteral("EditIndice"), valor / FValorServico);
}

bool TFormSubCadastroItemKitServico::isNewRow() const
{
    return TUtils::StrEmptyToInt64(EditID->text()) == 0;
}

void TFormSubCadastroItemKitServico::setValueOf(const QString &AControl, double AValue)
{
    FPresenter->FindItemControl(AControl)->SetValueControl(FloatToStr(AValue));
}
