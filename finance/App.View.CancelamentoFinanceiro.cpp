#include "App.View.CancelamentoFinanceiro.h"

#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Theme.h"
#include "App.Lib.Utils.h"
#include "App.Lib.Application.h"
#include "App.Presenter.CancelamentoFinanceiro.h"

#include "Align.h"
#include "AniIndicator.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "Layouts.h"
#include "Memo.h"
#include "Shapes.h"
#include "SysUtils.h"

#include <QPointer>

ZUNTA_REGISTER_FORM(TFormViewCancelamentoFinanceiro)

namespace {

const QString CancelamentoFinanceiroNome = QStringLiteral("cancelamento do financeiro");
const QString CancelamentoFinanceiroAviso = QStringLiteral(
    "WARNING:ATENÇÃO: As parcelas baixadas serão estornadas. \r\nCaso as parcelas abertas "
    "tenham vinculação API, elas serão canceladas na integração financeira de API.");
const QString CancelamentoFinanceiroTodos = QStringLiteral(
    "QUESTION:Nenhum contrato ou carteira informado: serão canceladas as parcelas de todos os "
    "contratos nas competências informadas. Confirma?");


} // namespace

TFormViewCancelamentoFinanceiro::TFormViewCancelamentoFinanceiro(QWidget *AParent)
    : TFormBaseView(QStringLiteral("TFormViewCancelamentoFinanceiro"), AParent)
{
    setWindowTitle(QStringLiteral("CANCELAMENTO DE FINANCEIRO"));
    resize(640, 460);

    Rectangle1 = new TRectangle(LayoutControlsForm, QStringLiteral("Rectangle1"));
    Rectangle1->setAlign(TAlignLayout::Client);
    Rectangle1->setMargins(8, 8, 8, 8);
    Rectangle1->setStrokeColor(TAlphaColors::Null);
    Rectangle1->setRadius(5, 5);
    Rectangle1->setMinimumSize(QSize(600, 380));

    const TPlacement place(Rectangle1, 18, 30);
    place.Field(LabelCompetenciaInicial, EditCompetenciaInicial, u"CompetenciaInicial", 16, 8, 150);
    place.Field(LabelCompetenciaFinal, EditCompetenciaFinal, u"CompetenciaFinal", 182, 8, 150);
    place.Field(LabelContrato, EditContrato, u"Contrato", 16, 66, 569);
    place.Field(LabelCarteira, EditCarteira, u"Carteira", 16, 124, 569);
    LabelObservacao = place.Caption(QStringLiteral("LabelObservacao"), 16, 182);
    place.Control(MemoObservacao, u"Observacao", 16, 200, 569, 90);

    RectangleGerar = new TRectangle(Rectangle1, QStringLiteral("RectangleGerar"));
    RectangleGerar->setGeometry(436, 306, 149, 51);
    RectangleGerar->setFillColor(0xFF3594C5);
    RectangleGerar->setStrokeColor(TAlphaColors::Null);
    RectangleGerar->setCursor(Qt::PointingHandCursor);
    RectangleGerar->OnClick = [this](QObject *) { RectangleGerarClick(); };

    LabelGerar = new TLabel(RectangleGerar, QStringLiteral("LabelGerar"));
    LabelGerar->setAlign(TAlignLayout::Client);
    LabelGerar->setHorzAlign(TTextAlign::Center);
    LabelGerar->setFontColor(TAlphaColors::White);
    LabelGerar->setFontSize(18);
    LabelGerar->setText(QStringLiteral("Gerar"));
    LabelGerar->setHitTest(false);

    AniIndicatorLoading->raise();
    AniIndicatorLoading->setVisible(false);
}

TFormViewCancelamentoFinanceiro::~TFormViewCancelamentoFinanceiro()
{
    ReleasePrincipal();
    FPresenter.reset();
}

void TFormViewCancelamentoFinanceiro::FormCreate()
{
    TFormBaseView::FormCreate();
    FPresenter = TBasePresenter::Create<TCancelamentoFinanceiroPresenter>();
    FPresenter->ManagerControls().SetColumns(&FPresenter->DataSetInfo());
    FPresenter->SetProcFillListControl([this] { fillListControl(); });
    // The defaults: both competences show the current month.
    FPresenter->Clear(false, true);
}

void TFormViewCancelamentoFinanceiro::fillListControl()
{
    const QString mesAtual = FormatDateTime(QStringLiteral("mm/yyyy"), Date());
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditCompetenciaInicial, QStringLiteral("Competência Inicial"))
        .Required()
        .Format(TFormatterEdit::Competencia)
        .Upper()
        .Default(mesAtual)
        .MaxLength(7)
        .Caption(LabelCompetenciaInicial);
    manager.Bind(EditCompetenciaFinal, QStringLiteral("Competência Final"))
        .Format(TFormatterEdit::Competencia)
        .Upper()
        .Default(mesAtual)
        .MaxLength(7)
        .Caption(LabelCompetenciaFinal);
    manager.Bind(EditContrato, QStringLiteral("Contrato"))
        .Upper()
        .Caption(LabelContrato)
        .Lookup(QStringLiteral("TPesquisaContrato"))
        .CodigoPersonalizado();
    manager.Bind(EditCarteira, QStringLiteral("Carteira"))
        .Upper()
        .Caption(LabelCarteira)
        .Lookup(QStringLiteral("TPesquisaCarteira"));
    manager.Bind(MemoObservacao, QStringLiteral("Observação"))
        .MaxLength(500)
        .Caption(LabelObservacao);
}

void TFormViewCancelamentoFinanceiro::ApplyThemeApp()
{
    TFormBaseView::ApplyThemeApp();
    AddPermissionMovimentar(RectangleGerar);
    Rectangle1->setFillColor(
        TApplicationZunta::GetInstance().ThemeApp().ColorApp().BackgroundColor);
}

void TFormViewCancelamentoFinanceiro::SetFocusedPrincipalComponent()
{
    EditCompetenciaInicial->setFocus();
}

void TFormViewCancelamentoFinanceiro::ExecuteAndDisableControl(std::int64_t AIdContrato)
{
    TItemControl *contrato = FPresenter->FindItemControl(EditContrato->objectName());
    contrato->SetValueControl(QString::number(AIdContrato));
    contrato->SetDesactiveEnabled(true);
    FPresenter->FindItemControl(EditCarteira->objectName())->SetDesactiveEnabled(true);
}

void TFormViewCancelamentoFinanceiro::RectangleGerarClick()
{
    TItemControl *inicial = FPresenter->FindItemControl(EditCompetenciaInicial->objectName());
    TItemControl *final = FPresenter->FindItemControl(EditCompetenciaFinal->objectName());
    TItemControl *contrato = FPresenter->FindItemControl(EditContrato->objectName());
    TItemControl *carteira = FPresenter->FindItemControl(EditCarteira->objectName());

    FPresenter->ValidControls();
    // A typed contract or portfolio the lookup did not find has no id: it must not go out as
    // id 0, nor be taken for "every contract".
    for (TItemControl *item : { contrato, carteira }) {
        if (!item->IsEmpty() && item->Id <= 0)
            throw Exception(item->ErrorMessage());
    }
    TCancelamentoFinanceiroPresenter::ValidarCompetencias(
        inicial->ValueControl(),
        final->ValueControl(),
        inicial->TitleControl + QStringLiteral(" ou ") + final->TitleControl);

    TAppUtils::MessageSystem(CancelamentoFinanceiroAviso);
    if (TAppUtils::MessageSystem(
            Format(QStringLiteral("QUESTION:Confirma gerar %s?"), { CancelamentoFinanceiroNome }))
        != mrYes)
        return;
    // Without a contract or a portfolio the batch reaches every contract: say so once more.
    if (contrato->IsEmpty() && carteira->IsEmpty()
        && TAppUtils::MessageSystem(CancelamentoFinanceiroTodos) != mrYes)
        return;

    // The worker gets the body, filled here from the controls; it reads no widget.
    auto body = std::make_shared<TCancelamentoFinanceiroComplexPost>();
    *body->PeriodoCompetencia = TCancelamentoFinanceiroPresenter::PeriodoCompetencia(
        inicial->ValueControl(), final->ValueControl());
    if (!contrato->IsEmpty())
        body->Contratos->push_back(contrato->Id);
    if (!carteira->IsEmpty())
        body->Carteiras->push_back(carteira->Id);
    body->Observacao = MemoObservacao->linesText();
    body->SomenteParcelasAbertas = FIsSomenteParcelasAbertas;

    FCloseForm = false;
    const QPointer<TFormViewCancelamentoFinanceiro> self(this);
    // A presenter of the worker's own: nothing of the window is touched off the main thread.
    RunLongAction(
        [body] {
            TBasePresenter::Create<TCancelamentoFinanceiroPresenter>()
                ->postCancelamentoFinanceiroEmLote(body.get());
        },
        [self] {
            TAppUtils::MessageSystem(QStringLiteral("SUCCESSOperação realizada com sucesso."));
            if (!self)
                return;
            self->FCloseForm = self->FIsViewModal;
            if (self->FCloseForm)
                self->ExecuteProcCloseForm();
        });
}
