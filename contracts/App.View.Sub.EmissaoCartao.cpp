#include "App.View.Sub.EmissaoCartao.h"

#include "App.Lib.Application.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.EmissaoCartao.h"
#include "Common.ComplexPost.DependenteContrato.ValidadeCartao.h"
#include "Common.Dto.ListaSistema.h"
#include "Common.Dto.Servico.h"
#include "Common.Dto.Usuario.h"
#include "Common.Lib.Formatter.Edit.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "SysUtils.h"

#include <QPointer>
#include <QTimer>

ZUNTA_REGISTER_FORM(TFormSubViewEmissaoCartao)

namespace {

// A whole number typed into a cheque field; 0 when empty.
int inteiroDigitado(const TEdit *AEdit)
{
    const QString texto = AEdit->text().trimmed();
    return texto.isEmpty() ? 0 : StrToInt(texto);
}

} // namespace

TFormSubViewEmissaoCartao::TFormSubViewEmissaoCartao(QWidget *AParent)
    : TFormBaseViewOperacaoContrato(QStringLiteral("TFormSubViewEmissaoCartao"), AParent)
{
    setWindowTitle(QStringLiteral("EMISSÃO DE CARTÕES"));
    resize(761, 560);
    const TPlacement place(LayoutCampos, 18, 30);
    place.Field(LabelServico, EditServico, u"Servico", 16, 12, 500);
    place.Field(LabelValorServico, EditValorServico, u"ValorServico", 532, 12, 180);
    place.Field(LabelData, DateEditData, u"Data", 16, 68, 180);
    place.Field(LabelContaEntrada, EditContaEntrada, u"ContaEntrada", 212, 68, 500);
    place.Field(
        LabelListaFormaPagamento, EditListaFormaPagamento, u"ListaFormaPagamento", 16, 124, 696);

    RectangleChequeRecebimento
        = new TRectangle(LayoutCampos, QStringLiteral("RectangleChequeRecebimento"));
    RectangleChequeRecebimento->setGeometry(8, 176, 712, 190);
    const TPlacement cheque(RectangleChequeRecebimento, 18, 30);
    LabelChequeRecebimento = cheque.Caption(
        QStringLiteral("LabelChequeRecebimento"), 8, 4, QStringLiteral("CHEQUE RECEBIMENTO"));
    cheque.Field(LabelBancoChequeRecebimento,
                 EditBancoChequeRecebimento,
                 u"BancoChequeRecebimento",
                 8,
                 26,
                 330);
    cheque.Field(LabelAgenciaChequeRecebimento,
                 EditAgenciaChequeRecebimento,
                 u"AgenciaChequeRecebimento",
                 346,
                 26,
                 110);
    cheque.Field(LabelContaChequeRecebimento,
                 EditContaChequeRecebimento,
                 u"ContaChequeRecebimento",
                 464,
                 26,
                 240);
    cheque.Field(LabelNumeroChequeRecebimento,
                 EditNumeroChequeRecebimento,
                 u"NumeroChequeRecebimento",
                 8,
                 82,
                 160);
    cheque.Field(LabelDataChequeRecebimento,
                 DateEditDataChequeRecebimento,
                 u"DataChequeRecebimento",
                 176,
                 82,
                 160);
    cheque.Field(LabelVencimentoChequeRecebimento,
                 DateEditVencimentoChequeRecebimento,
                 u"VencimentoChequeRecebimento",
                 346,
                 82,
                 160);
    cheque.Field(LabelNomeChequeRecebimento,
                 EditNomeChequeRecebimento,
                 u"NomeChequeRecebimento",
                 8,
                 138,
                 696);
}

TFormSubViewEmissaoCartao *TFormSubViewEmissaoCartao::New()
{
    return TFormBase::Create<TFormSubViewEmissaoCartao>();
}

TFormSubViewEmissaoCartao &TFormSubViewEmissaoCartao::SetIds(const QStringList &AIds)
{
    FList = &AIds;
    return *this;
}

TFormSubViewEmissaoCartao &
TFormSubViewEmissaoCartao::SetProcSucessoValidadeCartao(std::function<void()> AProcSucesso)
{
    FProcSucesso = std::move(AProcSucesso);
    return *this;
}

TFormSubViewEmissaoCartao &
TFormSubViewEmissaoCartao::SetProcErroValidadeCartao(std::function<void()> AProcErro)
{
    FProcErro = std::move(AProcErro);
    return *this;
}

std::unique_ptr<TBasePresenter> TFormSubViewEmissaoCartao::createPresenter()
{
    return TBasePresenter::Create<TEmissaoCartaoPresenter>();
}

void TFormSubViewEmissaoCartao::FormCreate()
{
    TFormBaseViewOperacaoContrato::FormCreate();
    RectangleChequeRecebimento->setVisible(false);
}

void TFormSubViewEmissaoCartao::fillListControl()
{
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditServico, QStringLiteral("Serviço"))
        .Upper()
        .MaxLength(100)
        .Caption(LabelServico)
        .Lookup(QStringLiteral("TPesquisaServico"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            EditValorServico->clear();
            const auto *servico = AEvent == TTypeEventProc::epSearch
                ? dynamic_cast<const TServicoDto *>(ARecord)
                : nullptr;
            if (!servico)
                return;
            const int membros = FList ? static_cast<int>(FList->size()) : 0;
            // Shown only: the back end prices the renewal itself.
            EditValorServico->setText(
                FormatFloat(QStringLiteral(",0.00"), servico->Valor * membros));
        });
    manager.Bind(EditValorServico, QStringLiteral("Valor"))
        .Disabled()
        .Format(TFormatterEdit::Valor)
        .MaxLength(15)
        .Decimals(2)
        .Caption(LabelValorServico);
    manager.Bind(DateEditData, QStringLiteral("Data"))
        .MaxLength(10)
        .Default(DateToStr(Date() + 365))
        .Caption(LabelData);
    const TUsuarioDto *usuario = TApplicationZunta::GetInstance().UsuarioLogado();
    const std::int64_t idConta = usuario ? usuario->IdConta : 0;
    manager.Bind(EditContaEntrada, QStringLiteral("Conta Movimentação"))
        .Upper()
        .Lookup(QStringLiteral("TPesquisaConta"))
        .Default(idConta != 0 ? QString::number(idConta) : QString())
        .Caption(LabelContaEntrada);
    manager.Bind(EditListaFormaPagamento, QStringLiteral("Forma da Movimentação"))
        .Upper()
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("FORMA_BAIXA_FINANCEIRA"))
        // A system list's lookup reads a text of up to two characters as the row's code.
        .Default(QStringLiteral("01"))
        .Caption(LabelListaFormaPagamento)
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            const auto *forma = AEvent == TTypeEventProc::epSearch
                ? dynamic_cast<const TListaSistemaDto *>(ARecord)
                : nullptr;
            // "02" is a cheque.
            RectangleChequeRecebimento->setVisible(forma && forma->Codigo == QStringLiteral("02"));
        });
    manager.Bind(EditBancoChequeRecebimento, QStringLiteral("Banco"))
        .Required()
        .Upper()
        .MaxLength(50)
        .Lookup(QStringLiteral("TPesquisaBanco"))
        .Caption(LabelBancoChequeRecebimento);
    manager.Bind(EditAgenciaChequeRecebimento, QStringLiteral("Código Agência"))
        .Required()
        .Upper()
        .MaxLength(4)
        .Format(TFormatterEdit::Personalizado, QStringLiteral("####"))
        .Caption(LabelAgenciaChequeRecebimento);
    manager.Bind(EditContaChequeRecebimento, QStringLiteral("Conta Bancária"))
        .Required()
        .Upper()
        .MaxLength(10)
        .Format(TFormatterEdit::Personalizado, QStringLiteral("##########"))
        .Caption(LabelContaChequeRecebimento);
    manager.Bind(EditNumeroChequeRecebimento, QStringLiteral("Número Cheque"))
        .Required()
        .MaxLength(11)
        .Caption(LabelNumeroChequeRecebimento);
    manager.Bind(DateEditDataChequeRecebimento, QStringLiteral("Data Cheque"))
        .Required()
        .MaxLength(10)
        .Default(DateToStr(Date()))
        .Caption(LabelDataChequeRecebimento);
    manager.Bind(EditNomeChequeRecebimento, QStringLiteral("Proprietário Cheque"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelNomeChequeRecebimento);
    manager.Bind(DateEditVencimentoChequeRecebimento, QStringLiteral("Vencimento"))
        .Required()
        .MaxLength(10)
        .Caption(LabelVencimentoChequeRecebimento);
}

std::int64_t TFormSubViewEmissaoCartao::idDe(const char *AControl) const
{
    const TItemControl *item = FPresenter->FindItemControl(QLatin1String(AControl));
    return item ? item->Id : 0;
}

void TFormSubViewEmissaoCartao::fechar()
{
    SpeedButtonClose->OnClick(SpeedButtonClose);
}

void TFormSubViewEmissaoCartao::RectangleGravarClick()
{
    if (!confirmar(QStringLiteral("novas validades de cartões dos dependentes selecionados")))
        return;

    // The worker reads only this record, filled here; the cheque goes whatever the payment form.
    auto validade = std::make_shared<TValidadeCartaoDependenteContratoComplexPost>();
    if (FList)
        *validade->ListDependenteContrato = *FList;
    validade->DataValidadeCartao = DateEditData->date();
    validade->IdServico = idDe("EditServico");
    validade->IdContaEntrada = idDe("EditContaEntrada");
    validade->ListaFormaPagamento = idDe("EditListaFormaPagamento");
    validade->IdBancoChequeRecebimento = idDe("EditBancoChequeRecebimento");
    validade->AgenciaChequeRecebimento = inteiroDigitado(EditAgenciaChequeRecebimento);
    validade->ContaChequeRecebimento = EditContaChequeRecebimento->text();
    validade->NumeroChequeRecebimento = inteiroDigitado(EditNumeroChequeRecebimento);
    validade->DataChequeRecebimento = DateEditDataChequeRecebimento->date();
    validade->NomeChequeRecebimento = EditNomeChequeRecebimento->text();
    validade->VencimentoChequeRecebimento = DateEditVencimentoChequeRecebimento->date();

    const QPointer<TFormSubViewEmissaoCartao> self(this);
    RunLongActionThen(
        [validade] {
            // A presenter of the worker's own: the view's binds the controls.
            TBasePresenter::Create<TEmissaoCartaoPresenter>()->postValidadeCartao(*validade);
        },
        [self](bool AFalhou) {
            if (!self)
                return;
            if (!AFalhou) {
                if (self->FProcSucesso)
                    self->FProcSucesso();
                TAppUtils::MessageSystem(QStringLiteral("SUCCESSOperação realizada com sucesso."));
                self->fechar();
                return;
            }
            // After the base has shown the refusal.
            QTimer::singleShot(0, self.data(), [self] {
                if (self->FProcErro)
                    self->FProcErro();
                self->fechar();
            });
        });
}
