#include "App.View.AtualizacaoTitular.h"

#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.AtualizacaoTitular.h"
#include "App.Presenter.Contrato.h"
#include "App.Service.ListaSistema.h"
#include "Common.Dto.Contrato.h"
#include "Common.Dto.DependenteContrato.h"
#include "Common.Dto.FechamentoOrdemServico.h"
#include "Common.Lib.Formatter.Edit.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "Memo.h"
#include "SpeedButton.h"
#include "SysUtils.h"

#include <QFont>
#include <QPointer>

ZUNTA_REGISTER_FORM(TFormViewAtualizacaoTitular)

namespace {

const QString kAvisoCobrancas = QStringLiteral(
    "WARNING:Caso haja cobranças em aberto do titular atual, será gerado novas cobranças para o "
    "novo titular, cancelaremos as cobranças do titular atual.\r\nATENÇÃO: Serão atualizadas as "
    "cobranças eletrônicas que tenham vencimento maior que a data atual, não sendo possível "
    "atualizar as atrasadas. Caso o contrato tenha assinatura de cartão é necessário a alteração "
    "manualmente.");

// More than 11 digits is a company's tax id.
QString cpfCnpjNovoTitular(const QString &ACpfCnpj)
{
    QString digits;
    for (const QChar c : ACpfCnpj)
        if (c.isDigit())
            digits += c;
    return FormatTextByType(digits,
                            digits.size() > 11 ? TFormatterEdit::CNPJ : TFormatterEdit::CPF);
}

} // namespace

TFormViewAtualizacaoTitular::TFormViewAtualizacaoTitular(QWidget *AParent)
    : TFormBaseViewOperacaoContrato(QStringLiteral("TFormViewAtualizacaoTitular"), AParent)
{
    setWindowTitle(QStringLiteral("ALTERAÇÃO DE TITULAR"));
    resize(761, 470);
    const TPlacement place(LayoutCampos, 18, 30);
    LabelTrocaTitular = place.Caption(QStringLiteral("LabelTrocaTitular"),
                                      16,
                                      8,
                                      QStringLiteral("INFORME UM NOVO TITULAR PARA O CONTRATO"));
    QFont banner = LabelTrocaTitular->font();
    banner.setPixelSize(20);
    banner.setBold(true);
    LabelTrocaTitular->setFont(banner);
    LabelTrocaTitular->adjustSize();
    place.Field(LabelContrato, EditContrato, u"Contrato", 16, 48, 696);
    place.Field(LabelNovoTitular, EditNovoTitular, u"NovoTitular", 16, 104, 500);
    place.Field(LabelCpfCnpjNovo, EditCpfCnpjNovo, u"CpfCnpjNovo", 532, 104, 180);
    place.Field(
        LabelListaBaixaContrato, EditListaBaixaContrato, u"ListaBaixaContrato", 16, 160, 500);
    place.Field(LabelDataBaixa, DateEditDataBaixa, u"DataBaixa", 532, 160, 180);
    LabelJustificativa = place.Caption(QStringLiteral("LabelJustificativa"), 16, 216);
    place.Control(MemoJustificativa, u"Justificativa", 16, 234, 696, 120);
}

void TFormViewAtualizacaoTitular::FormCreate()
{
    TFormBaseViewOperacaoContrato::FormCreate();
    avisarCobrancas();
}

std::unique_ptr<TBasePresenter> TFormViewAtualizacaoTitular::createPresenter()
{
    return TBasePresenter::Create<TAtualizacaoTitularPresenter>();
}

void TFormViewAtualizacaoTitular::fillListControl()
{
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditContrato, QStringLiteral("Contrato"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelContrato)
        .Lookup(QStringLiteral("TPesquisaContrato"))
        .CodigoPersonalizado()
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            const auto *contrato = AEvent == TTypeEventProc::epSearch
                ? dynamic_cast<const TContratoDto *>(ARecord)
                : nullptr;
            // Only the chosen contract's members are offered; none while no contract is chosen.
            // A cleared contract keeps the last holder: nothing can be sent without a member.
            if (contrato)
                FAtualizacaoTitular.IdPessoaAtual = contrato->IdTitular;
            limparNovoTitular(contrato ? QString::number(contrato->Id) : QStringLiteral("0"));
        });
    manager.Bind(EditNovoTitular, QStringLiteral("Novo Titular"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelNovoTitular)
        .Lookup(QStringLiteral("TPesquisaDependenteContratoSemTitular"), QStringLiteral("0"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            const auto *dependente = AEvent == TTypeEventProc::epSearch
                ? dynamic_cast<const TDependenteContratoDto *>(ARecord)
                : nullptr;
            FAtualizacaoTitular.IdPessoaNovo = dependente ? dependente->IdPessoa : 0;
            EditCpfCnpjNovo->setText(dependente ? cpfCnpjNovoTitular(dependente->CpfCnpj)
                                                : QString());
        });
    manager.Bind(EditCpfCnpjNovo, QStringLiteral("CPF/CNPJ"))
        .MaxLength(50)
        .IgnoreSave()
        .Disabled()
        .Caption(LabelCpfCnpjNovo);
    manager.Bind(EditListaBaixaContrato, QStringLiteral("Motivo da Baixa"))
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaBaixaContrato)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("BAIXA_CONTRATO"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            FAtualizacaoTitular.ListaBaixaContrato
                = AEvent == TTypeEventProc::epSearch && ARecord ? ARecord->Id : 0;
        });
    manager.Bind(DateEditDataBaixa, QStringLiteral("Data da Baixa"))
        .MaxLength(10)
        .Default(DateToStr(Date()))
        .Caption(LabelDataBaixa);
    manager.Bind(MemoJustificativa, QStringLiteral("Justificativa"))
        .MaxLength(200)
        .Caption(LabelJustificativa);
}

void TFormViewAtualizacaoTitular::avisarCobrancas()
{
    TAppUtils::MessageSystem(kAvisoCobrancas);
}

void TFormViewAtualizacaoTitular::limparNovoTitular(const QString &AFixFilter)
{
    TItemControl *novoTitular = FPresenter->FindItemControl(QStringLiteral("EditNovoTitular"));
    novoTitular->Clear();
    novoTitular->ValueFixFilter = AFixFilter;
    FAtualizacaoTitular.IdPessoaNovo = 0;
    EditCpfCnpjNovo->clear();
}

void TFormViewAtualizacaoTitular::SetFechamentoOrdemServico(TFechamentoOrdemServicoDto *AFechamento)
{
    if (!AFechamento)
        return;
    FFechamentoOrdemServico = AFechamento;
    const std::int64_t idFalecimento = TListaSistemaService().GetListaSistemaByCodigoTipo(
        QStringLiteral("04"), QStringLiteral("BAIXA_CONTRATO"));
    FPresenter->FindItemControl(QStringLiteral("DateEditDataBaixa"))->Clear();
    FPresenter->FindItemControl(QStringLiteral("EditContrato"))
        ->SetValueControl(QString::number(AFechamento->IdContratoTitular));
    FPresenter->FindItemControl(QStringLiteral("EditListaBaixaContrato"))
        ->SetValueControl(QString::number(idFalecimento));
    MemoJustificativa->setText(QStringLiteral("FALECIMENTO DO TITULAR"));
    for (QWidget *control : { static_cast<QWidget *>(EditContrato),
                              static_cast<QWidget *>(EditListaBaixaContrato),
                              static_cast<QWidget *>(DateEditDataBaixa),
                              static_cast<QWidget *>(MemoJustificativa) })
        FPresenter->FindItemControl(control->objectName())->SetDesactiveEnabled(true);
    LabelTrocaTitular->setText(
        QStringLiteral("PARA PROFESSEGUIR É NECESSÁRIO INFORMAR UM NOVO TITULAR NO LUGAR DO "
                       "FALECIDO"));
    LabelTrocaTitular->adjustSize();
}

void TFormViewAtualizacaoTitular::RectangleGravarClick()
{
    avisarCobrancas();
    if (FFechamentoOrdemServico) {
        FFechamentoOrdemServico->IdPessoaNovoTitular = FAtualizacaoTitular.IdPessoaNovo;
        SpeedButtonClose->OnClick(SpeedButtonClose);
        return;
    }
    if (!confirmar(QStringLiteral("a atualização do titular")))
        return;

    // The worker reads only this copy, never the view.
    auto atualizacao = std::make_shared<TAtualizacaoTitularContratoDto>();
    atualizacao->IdPessoaAtual = FAtualizacaoTitular.IdPessoaAtual;
    atualizacao->IdPessoaNovo = FAtualizacaoTitular.IdPessoaNovo;
    atualizacao->ListaBaixaContrato = FAtualizacaoTitular.ListaBaixaContrato;
    atualizacao->DataBaixa = DateEditDataBaixa->date();
    atualizacao->Justificativa = MemoJustificativa->linesText();
    if (atualizacao->Justificativa.isEmpty())
        throw Exception(
            Format(QStringLiteral("WARNING:É necessário preencher o campo %s para prosseguir."),
                   { QStringLiteral("justificativa") }));

    auto aceita = std::make_shared<bool>(false);
    const QPointer<TFormViewAtualizacaoTitular> self(this);
    RunLongActionThen(
        [atualizacao, aceita] {
            // The contract presenter's action shows the outcome itself.
            *aceita = TBasePresenter::Create<TContratoPresenter>()->AtualizarTitular(*atualizacao);
        },
        [self, aceita](bool AFalhou) {
            // A refusal keeps the typed values, so the user can correct them and send again.
            if (AFalhou || !*aceita || !self)
                return;
            self->Presenter().ManagerControls().Clear();
        });
}
