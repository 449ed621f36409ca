#include "App.View.Sub.TransferenciaSaldo.h"

#include "App.Lib.Application.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.TransferenciaSaldo.h"
#include "Common.Dto.Conta.h"
#include "Common.Dto.Usuario.h"
#include "Common.Lib.Formatter.Edit.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "Layouts.h"
#include "Memo.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "SysUtils.h"

#include <QPointer>

ZUNTA_REGISTER_FORM(TFormSubViewTransferenciaSaldo)

namespace {

const QString kTransferencia = QStringLiteral("a transferência");

} // namespace

TFormSubViewTransferenciaSaldo::TFormSubViewTransferenciaSaldo(QWidget *AParent)
    : TFormBaseView(QStringLiteral("TFormSubViewTransferenciaSaldo"), AParent)
{
    setWindowTitle(QStringLiteral("TRANSFERÊNCIA DE SALDO ENTRE CONTAS"));
    resize(700, 440);
    RectangleGravar = AddGravarButton(LabelGravar, [this] { RectangleGravarClick(); });

    auto *campos = new TLayout(LayoutControlsForm, QStringLiteral("LayoutCampos"));
    campos->setAlign(TAlignLayout::Client);
    const TPlacement place(campos, 18, 30);
    place.Field(LabelContaOrigem, EditContaOrigem, u"ContaOrigem", 16, 12, 310);
    place.Field(LabelContaDestino, EditContaDestino, u"ContaDestino", 336, 12, 310);
    place.Field(LabelValor, EditValor, u"Valor", 16, 72, 180);
    place.Field(LabelData, DateEditData, u"Data", 206, 72, 160);
    LabelObservacao = place.Caption(QStringLiteral("LabelObservacao"), 16, 132);
    place.Control(MemoObservacao, u"Observacao", 16, 150, 630, 120);
    AniIndicatorLoading->raise();
    AniIndicatorLoading->setVisible(false);
    SpeedButtonClose->OnClick = [this](QObject *) { SpeedButtonCloseClick(); };
}

TFormSubViewTransferenciaSaldo::~TFormSubViewTransferenciaSaldo()
{
    // The bindings give the controls their own handlers back while the controls still exist.
    FPresenter.reset();
}

void TFormSubViewTransferenciaSaldo::FormCreate()
{
    TFormBaseView::FormCreate();
    FSaldo = 0;
    FPresenter = TBasePresenter::Create<TTransferenciaSaldoPresenter>();
    FPresenter->SetProcFillListControl([this] { fillListControl(); });
    FPresenter->ManagerControls().Clear();
    const TUsuarioDto *usuario = TApplicationZunta::GetInstance().UsuarioLogado();
    if (usuario && usuario->IdConta != 0)
        FPresenter->FindItemControl(QStringLiteral("EditContaOrigem"))
            ->SetValueControl(QString::number(usuario->IdConta));
}

void TFormSubViewTransferenciaSaldo::fillListControl()
{
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditContaOrigem, QStringLiteral("Conta de Origem"))
        .Required()
        .Upper()
        .Caption(LabelContaOrigem)
        .Lookup(QStringLiteral("TPesquisaConta"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            const auto *conta = dynamic_cast<const TContaDto *>(ARecord);
            FSaldo = AEvent == TTypeEventProc::epSearch && conta ? conta->Saldo : 0;
        });
    manager.Bind(EditContaDestino, QStringLiteral("Conta de Destino"))
        .Required()
        .Upper()
        .Caption(LabelContaDestino)
        .Lookup(QStringLiteral("TPesquisaConta"));
    manager.Bind(EditValor, QStringLiteral("Valor"))
        .Required()
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .MaxLength(15)
        .Caption(LabelValor);
    manager.Bind(DateEditData, QStringLiteral("Data"))
        .Required()
        .MaxLength(10)
        .Default(DateToStr(Date()))
        .Caption(LabelData);
    manager.Bind(MemoObservacao, QStringLiteral("Observação"))
        .Upper()
        .MaxLength(1000)
        .Caption(LabelObservacao);
}

void TFormSubViewTransferenciaSaldo::ApplyThemeApp()
{
    TFormBaseView::ApplyThemeApp();
    AddPermissionMovimentar(RectangleGravar);
}

void TFormSubViewTransferenciaSaldo::SetFocusedPrincipalComponent()
{
    EditContaOrigem->setFocus();
}

void TFormSubViewTransferenciaSaldo::SetValorTransferenciaSugerida(double AValue)
{
    FValorTransferenciaSugerida = AValue;
    if (AValue > 0)
        EditValor->setText(FormatFloat(QStringLiteral(",0.00"), AValue));
}

void TFormSubViewTransferenciaSaldo::SetContaOrigemSugerida(std::int64_t AValue)
{
    FContaOrigemSugerida = AValue;
    if (AValue > 0)
        FPresenter->FindItemControl(QStringLiteral("EditContaOrigem"))
            ->SetValueControl(QString::number(AValue));
}

double TFormSubViewTransferenciaSaldo::valorInformado() const
{
    double valor = 0;
    const QString texto = FPresenter->FindItemControl(QStringLiteral("EditValor"))->ValueControl();
    return TryStrToFloat(texto, valor) ? valor : 0;
}

void TFormSubViewTransferenciaSaldo::preencherTransferencia(TTransferenciaSaldoDto &ADto) const
{
    ADto.Id = 0;
    ADto.ContaOrigem = FPresenter->FindItemControl(QStringLiteral("EditContaOrigem"))->Id;
    ADto.ContaDestino = FPresenter->FindItemControl(QStringLiteral("EditContaDestino"))->Id;
    ADto.Valor = valorInformado();
    ADto.Data = DateEditData->date();
    ADto.Observacao = MemoObservacao->linesText();
}

void TFormSubViewTransferenciaSaldo::RectangleGravarClick()
{
    // The required fields, the value and the accounts are checked before any question: a
    // transfer without them must never reach the back end as zeros.
    FPresenter->ValidControls();
    TTransferenciaSaldoDto &transferencia = FPresenter->TransferenciaSaldoDto();
    preencherTransferencia(transferencia);
    TTransferenciaSaldoPresenter::ValidarTransferencia(transferencia);

    if (transferencia.Valor > FSaldo
        && TAppUtils::MessageSystem(QStringLiteral(
               "QUESTION:Verificamos que o saldo da conta de origem está menor do que o valor "
               "informado para transferência.\r\nAo prosseguir o saldo da conta ficará negativo. "
               "Deseja prosseguir?"))
            == mrNo)
        return;
    if (TAppUtils::MessageSystem(
            Format(QStringLiteral("QUESTION:Confirma gerar %s?"), { kTransferencia }))
        != mrYes)
        return;

    TTransferenciaSaldoPresenter *presenter = FPresenter.get();
    const QPointer<TFormSubViewTransferenciaSaldo> self(this);
    RunLongActionThen([presenter] { presenter->postTransferenciaSaldo(); },
                      [self](bool AFalhou) {
                          if (AFalhou || !self)
                              return;
                          self->FSalvo = true;
                          self->SpeedButtonClose->OnClick(self->SpeedButtonClose);
                      });
}

void TFormSubViewTransferenciaSaldo::SpeedButtonCloseClick()
{
    if (!FSalvo) {
        TTransferenciaSaldoDto atual;
        preencherTransferencia(atual);
        const bool vazio = atual.ContaOrigem == 0 && atual.ContaDestino == 0 && atual.Valor == 0
            && atual.Data == TDateTime() && atual.Observacao.isEmpty();
        if (!vazio
            && TAppUtils::MessageSystem(Format(
                   QStringLiteral("QUESTION:Você não salvou %s. Confirma sair?"), { kTransferencia }))
                == mrNo)
            return;
    }
    ExecuteProcCloseForm();
}
