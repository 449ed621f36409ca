#include "App.View.CancelamentoFinanceiro.h"

#include "App.Base.Presenter.Of.h"
#include "App.Lib.Application.h"
#include "App.Lib.Exception.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.Pesquisa.Catalogo.h"
#include "App.Presenter.CancelamentoFinanceiro.h"
#include "App.Service.Contrato.h"
#include "Common.Dto.Contrato.h"
#include "Common.Entity.Contrato.h"
#include "Common.Lib.Utils.h"

#include "Edit.h"
#include "Events.h"
#include "Memo.h"
#include "Shapes.h"

#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TestMainWindow.h"
#include "support/TestTexts.h"
#include "support/WaitFor.h"
#include "support/WaitIdle.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

namespace {

const QString kAviso = QStringLiteral(
    "WARNING:ATENÇÃO: As parcelas baixadas serão estornadas. \r\nCaso as parcelas abertas tenham "
    "vinculação API, elas serão canceladas na integração financeira de API.");
const QString kConfirma = QStringLiteral("QUESTION:Confirma gerar cancelamento do financeiro?");
const QString kTodos = QStringLiteral(
    "QUESTION:Nenhum contrato ou carteira informado: serão canceladas as parcelas de todos os "
    "contratos nas competências informadas. Confirma?");
const QString kCompetenciaInvalida = QStringLiteral(
    "WARNING:O campo Competência Inicial ou Competência Final não possui um valor válido.");
const QString kOrdem = QStringLiteral(
    "Data de Competência Inicial não pode ser maior que a Data de Competência Final!");
const char *const kLote = "/cancelamento-financeiro/complex";

// The contract presenter as far as the contract lookup needs it, until the real one is linked.
class TContratoPresenterTeste final
    : public TCadastroPresenterOf<TContratoEntity, TContratoDto, TContratoService>,
      public IPesquisaContratoPresenter
{
public:
    TContratoPresenterTeste()
        : TCadastroPresenterOf(QStringLiteral("TContratoPresenter"), { { "TITULAR", 100 } })
    { }
    void SetFiltrarApenasAtivo(bool) override { }
};

std::string permissao(bool AMovimentar)
{
    return std::string(R"({"id":0,"inserir":true,"editar":true,"remover":true,"movimentar":)")
        + (AMovimentar ? "true" : "false") + R"(,"visualizar":true})";
}

class CancelamentoFinanceiroViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        waitIdle();
        // A failure of a click is shown as the program shows it.
        previousHandler = SetApplicationExceptionHandler(
            [](std::exception_ptr failure) { TDravikHandleException::Handle(failure); });
        // Not the administrator (id 1): the window's permissions come from the back end.
        backend.on("GET", "/acesso", FakeReply::json(R"({"id":2})"));
        backend.on("GET", "/form-permission", FakeReply::json(permissao(true)));
        backend.on("GET",
                   "/contrato/pesquisa/7",
                   FakeReply::json(R"({"id":7,"codigo":1234,"titular":"MARIA DAS DORES"})"));
        backend.on("POST", kLote, FakeReply::empty(200));
        fake.connection().Logar(QStringLiteral("ana"), QStringLiteral("x"));
        principal.reset(TFormBase::Create<TFormPrincipalTeste>());
        principal->Install();
        principal->show();
    }
    void TearDown() override
    {
        EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
        view.reset();
        TApplicationZunta::ResetInstance();
        FlushDeletes();
        principal.reset();
        SetApplicationExceptionHandler(previousHandler);
    }

    // A window of its own, as the contract window creates it.
    TFormViewCancelamentoFinanceiro &create()
    {
        view.reset(TFormBase::Create<TFormViewCancelamentoFinanceiro>());
        return *view;
    }
    // The window opened from the menu, docked in the main window.
    TFormViewCancelamentoFinanceiro &openFromMenu()
    {
        TApplicationZunta &application = TApplicationZunta::GetInstance();
        application.OpenForm(nullptr, QStringLiteral("TFormViewCancelamentoFinanceiro"));
        auto *docked = dynamic_cast<TFormViewCancelamentoFinanceiro *>(
            application.FormOpened(QStringLiteral("TFormViewCancelamentoFinanceiro")));
        EXPECT_NE(docked, nullptr);
        return *docked;
    }
    // Types the competences as the person does ("mm/yyyy", formatted on leaving).
    static void competencias(TFormViewCancelamentoFinanceiro &AView,
                             const QString &AInicial,
                             const QString &AFinal)
    {
        AView.Presenter()
            .FindItemControl(QStringLiteral("EditCompetenciaInicial"))
            ->SetValueControl(AInicial);
        AView.Presenter()
            .FindItemControl(QStringLiteral("EditCompetenciaFinal"))
            ->SetValueControl(AFinal);
    }
    // Hosts the window in a container as the contract window does; `inside` runs once it shows.
    // A container left open fails the test and is closed.
    void host(TFormViewCancelamentoFinanceiro &AView, const std::function<void()> &inside)
    {
        auto container = TFormContainer::New();
        container->SetModifyBackgroundApoio(false);
        container->SetFormView(&AView);
        QTimer::singleShot(0, container.get(), inside);
        TFormContainer *raw = container.get();
        QTimer safety;
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, raw, [raw] {
            ADD_FAILURE() << "the container was left open";
            raw->CloseForm();
        });
        safety.start(5000);
        container->Execute();
    }
    QJsonObject lastLote() const
    {
        const auto post = backend.last("POST", kLote);
        return post ? QJsonDocument::fromJson(QByteArray::fromStdString(post->body)).object()
                    : QJsonObject();
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    const TClassRegistration contratoPresenter {
        QStringLiteral("TContratoPresenter"),
        TPresenterFactory([]() -> std::unique_ptr<TBasePresenter> {
            return TBasePresenter::Create<TContratoPresenterTeste>();
        })
    };
    std::unique_ptr<TFormPrincipalTeste> principal;
    std::unique_ptr<TFormViewCancelamentoFinanceiro> view;
    TApplicationExceptionHandler previousHandler;
};

TEST_F(CancelamentoFinanceiroViewTest, OpenedForAContractCancelsItsPeriodAndCloses)
{
    TFormViewCancelamentoFinanceiro &form = create();
    form.ExecuteAndDisableControl(7);
    form.SetIsViewModal(true);
    waitIdle();
    EXPECT_EQ(form.EditContrato->text(), QStringLiteral("MARIA DAS DORES"));
    EXPECT_FALSE(form.EditContrato->isEnabled());
    EXPECT_FALSE(form.EditCarteira->isEnabled());
    competencias(form, QStringLiteral("11/2024"), QStringLiteral("02/2025"));
    dialogs.answerQuestion(kYes);

    host(form, [&] { form.RectangleGerar->click(); });

    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kAviso, kConfirma, kSuccess }));
    EXPECT_EQ(backend.count("POST", kLote), 1u);
    const QJsonObject body = lastLote();
    EXPECT_EQ(listOf(body, "periodoCompetencia"),
              (QJsonArray { "112024", "122024", "012025", "022025" }));
    EXPECT_EQ(listOf(body, "contratos"), QJsonArray { 7 });
    EXPECT_EQ(listOf(body, "carteiras"), QJsonArray());
    EXPECT_EQ(listOf(body, "titulos"), QJsonArray());
    EXPECT_EQ(listOf(body, "parcelaTitulos"), QJsonArray());
    EXPECT_FALSE(body.value("somenteParcelasAbertas").toBool(true));
    EXPECT_EQ(body.value("observacao").toString(), QString());
}

TEST_F(CancelamentoFinanceiroViewTest, RefusedBatchShowsTheReplyAndKeepsTheHostedWindowOpen)
{
    backend.on("POST", kLote, FakeReply::text("WARNING:Parcelas já canceladas.", 400));
    TFormViewCancelamentoFinanceiro &form = create();
    form.ExecuteAndDisableControl(7);
    form.SetIsViewModal(true);
    form.SetIsSomenteParcelasAbertas(true);
    waitIdle();
    competencias(form, QStringLiteral("03/2025"), QStringLiteral("03/2025"));
    form.MemoObservacao->setText(QStringLiteral("Acordo\nfeito"));
    dialogs.answerQuestion(kYes);

    bool stayedOpen = false;
    host(form, [&] {
        form.RectangleGerar->click();
        waitIdle();
        stayedOpen = form.LayoutBackground->isVisible();
        form.ExecuteProcCloseForm();
    });

    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(
        dialogs.messageTexts(),
        (QStringList { kAviso, kConfirma, QStringLiteral("WARNING:Parcelas já canceladas.") }));
    const QJsonObject body = lastLote();
    EXPECT_EQ(listOf(body, "periodoCompetencia"), QJsonArray { "032025" });
    EXPECT_TRUE(body.value("somenteParcelasAbertas").toBool());
    EXPECT_EQ(body.value("observacao").toString(), QStringLiteral("Acordo\r\nfeito\r\n"));
    EXPECT_EQ(form.EditCompetenciaInicial->text(), QStringLiteral("03/2025"));
    EXPECT_EQ(form.EditContrato->text(), QStringLiteral("MARIA DAS DORES"));
}

TEST_F(CancelamentoFinanceiroViewTest, FromTheMenuEverythingIsCancelledOnlyAfterTheSecondQuestion)
{
    TFormViewCancelamentoFinanceiro &form = openFromMenu();
    // Both competences start at the current month.
    const QString mesAtual = QDate::currentDate().toString(QStringLiteral("MM/yyyy"));
    EXPECT_EQ(form.EditCompetenciaInicial->text(), mesAtual);
    EXPECT_EQ(form.EditCompetenciaFinal->text(), mesAtual);

    dialogs.answerQuestions({ kYes, kNo });
    form.RectangleGerar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kAviso, kConfirma, kTodos }));
    EXPECT_EQ(backend.count("POST", kLote), 0u);

    dialogs.clearMessages();
    dialogs.answerQuestions({ kYes, kYes });
    form.RectangleGerar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kAviso, kConfirma, kTodos, kSuccess }));
    const QJsonObject body = lastLote();
    EXPECT_EQ(listOf(body, "periodoCompetencia"), QJsonArray { QString(mesAtual).remove(u'/') });
    EXPECT_EQ(listOf(body, "contratos"), QJsonArray());
    EXPECT_EQ(listOf(body, "carteiras"), QJsonArray());
    // Docked, it stays open for the next batch.
    EXPECT_EQ(TApplicationZunta::GetInstance().FormOpened(
                  QStringLiteral("TFormViewCancelamentoFinanceiro")),
              &form);
}

TEST_F(CancelamentoFinanceiroViewTest, WithoutMovimentarGerarIsRefused)
{
    backend.on("GET", "/form-permission", FakeReply::json(permissao(false)));
    TFormViewCancelamentoFinanceiro &form = create();

    form.RectangleGerar->click();

    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Seu usuário não possui permissão neste "
                                           "recurso.") });
    EXPECT_EQ(backend.count("POST", kLote), 0u);
}

TEST_F(CancelamentoFinanceiroViewTest, TypedContractThatWasNotFoundIsRefused)
{
    TFormViewCancelamentoFinanceiro &form = openFromMenu();
    TItemControl *contrato = form.Presenter().FindItemControl(QStringLiteral("EditContrato"));
    // The number typed is a contract code the back end does not know.
    form.EditContrato->setText(QStringLiteral("999"));
    contrato->ProcExit(form.EditContrato);
    waitIdle();
    ASSERT_EQ(contrato->Id, 0);
    ASSERT_FALSE(contrato->IsEmpty());
    dialogs.clearMessages();

    form.RectangleGerar->click();
    waitIdle();

    EXPECT_EQ(
        dialogs.messageTexts(),
        QStringList { QStringLiteral("WARNING:O campo Contrato não possui um valor válido.") });
    EXPECT_EQ(backend.count("POST", kLote), 0u);
}

struct CompetenciaCase
{
    const char *name;
    const char *inicial;
    const char *final;
    // The message after which nothing more happens; the question (answered "Não") when the
    // competences pass.
    QString message;
};

void PrintTo(const CompetenciaCase &row, std::ostream *out)
{
    *out << row.name;
}

class CompetenciaCheckTest : public CancelamentoFinanceiroViewTest,
                             public ::testing::WithParamInterface<CompetenciaCase>
{
};

TEST_P(CompetenciaCheckTest, RefusesBadCompetencesBeforeSendingAnything)
{
    const CompetenciaCase &row = GetParam();
    TFormViewCancelamentoFinanceiro &form = create();
    form.ExecuteAndDisableControl(7);
    waitIdle();
    competencias(form, QString::fromLatin1(row.inicial), QString::fromLatin1(row.final));
    if (row.message == kConfirma || row.message == kOrdem)
        dialogs.answerQuestion(row.message == kOrdem ? kYes : kNo);

    form.RectangleGerar->click();
    waitIdle();

    ASSERT_FALSE(dialogs.messageTexts().isEmpty());
    EXPECT_EQ(dialogs.messageTexts().last(), row.message);
    EXPECT_EQ(backend.count("POST", kLote), 0u);
}

const CompetenciaCase competenciaCases[] = {
    { "InitialMonthZero", "00/2025", "03/2025", kCompetenciaInvalida },
    { "InitialMonthThirteen", "13/2025", "03/2025", kCompetenciaInvalida },
    { "InitialYear1899", "01/1899", "03/2025", kCompetenciaInvalida },
    { "FinalMonthThirteen", "01/2025", "13/2025", kCompetenciaInvalida },
    { "FinalYear2901", "01/2025", "01/2901", kCompetenciaInvalida },
    { "FinalCleared", "01/2025", "", kCompetenciaInvalida },
    { "FinalBeforeInitial", "03/2025", "02/2025", kOrdem },
    { "Years1900And2900Pass", "01/1900", "12/2900", kConfirma },
};

INSTANTIATE_TEST_SUITE_P(Competences,
                         CompetenciaCheckTest,
                         ::testing::ValuesIn(competenciaCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
